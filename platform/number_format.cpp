#include "number_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace ovalto {

namespace {

constexpr int kSignificantDigits = 15;

constexpr double kPowersOfTen[] = {1, 10, 100, 1000, 10000};

// The usual number has a few decimals: the whole number r of k decimals
// whose quotient r / 10^k is the value itself reads back as the value, and
// with no more than fifteen digits it is also the value rounded to fifteen
// (see FormatGeneral). The fewest decimals that do give the text. Empty when
// the value needs more decimals or is too small or too large for this.
std::string FewDecimals(double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-5 && magnitude < 1e14)) return {};
  for (int k = 0; k < 5; ++k) {
    const double whole = std::nearbyint(value * kPowersOfTen[k]);
    if (std::fabs(whole) >= 1e15 || whole / kPowersOfTen[k] != value) continue;
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(std::fabs(whole))).ptr;
    std::string_view text(digits, static_cast<std::size_t>(end - digits));
    std::string out = value < 0 ? "-" : "";
    if (k == 0) return out.append(text);
    const auto decimals = static_cast<std::size_t>(k);
    if (text.size() <= decimals) {
      out.append("0,").append(decimals - text.size(), '0').append(text);
    } else {
      out.append(text.substr(0, text.size() - decimals)).append(",").append(text.substr(text.size() - decimals));
    }
    return out;
  }
  return {};
}

}  // namespace

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  if (value == 0) return "0";
  if (std::string text = FewDecimals(value); !text.empty()) return text;

  // "d.ddde+XX": the shortest digits that read back as the value. When they
  // are no more than fifteen they are also the value rounded to fifteen
  // (the value lies far closer to them than half a fifteenth digit);
  // otherwise fifteen significant digits, correctly rounded.
  char buf[40];
  auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string_view text(buf, static_cast<std::size_t>(written.ptr - buf));
  if (text.find('e') - (text[0] == '-' ? 1 : 0) - (text.find('.') == std::string_view::npos ? 0 : 1) >
      static_cast<std::size_t>(kSignificantDigits)) {
    written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kSignificantDigits - 1);
    text = std::string_view(buf, static_cast<std::size_t>(written.ptr - buf));
  }
  const bool negative = text[0] == '-';
  const std::size_t start = negative ? 1 : 0;
  const std::size_t ePos = text.find('e');
  // The significant digits without the point, then without trailing zeros.
  std::string_view digits = text.substr(start, 1);
  char digitBuf[24];
  if (text[start + 1] == '.') {
    digitBuf[0] = text[start];
    const std::string_view rest = text.substr(start + 2, ePos - start - 2);
    rest.copy(digitBuf + 1, rest.size());
    digits = std::string_view(digitBuf, rest.size() + 1);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.remove_suffix(1);
  int exponent = 0;
  std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);

  // Always positional: numbers are read back out of tree lines as runs of
  // digits and commas, where "1E-7" would come back as 1.
  std::string out;
  if (negative) out += '-';
  if (exponent < 0) {
    out.append("0,").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else {
    const auto intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out.append(digits).append(intDigits - digits.size(), '0');
    } else {
      out.append(digits.substr(0, intDigits)).append(",").append(digits.substr(intDigits));
    }
  }
  return out;
}

std::optional<double> ParseNumber(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
  if (first == last) return std::nullopt;
  // Only digits, one sign, a decimal comma and an exponent: this keeps out
  // the decimal point as well as the words "inf" and "nan". The usual short
  // number is read from the stack; only a very long one needs the heap.
  char small[64];
  std::string large;
  char* body = small;
  const std::size_t size = last - first;
  if (size > sizeof small) {
    large.resize(size);
    body = large.data();
  }
  for (std::size_t i = 0; i < size; ++i) {
    const char c = text[first + i];
    if (c == ',') {
      body[i] = '.';
    } else if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'e' || c == 'E') {
      body[i] = c;
    } else {
      return std::nullopt;
    }
  }
  const char* const bodyEnd = body + size;
  const char* begin = body;
  if (*begin == '+') ++begin;
  double value = 0;
  auto [end, ec] = std::from_chars(begin, bodyEnd, value);
  if (ec != std::errc() || end != bodyEnd) return std::nullopt;
  return value;
}

double RoundHalfEven(double value, int decimals) {
  // The usual scales exactly as pow gives them, without its cost.
  const double scale = decimals >= 0 && decimals < 5 ? kPowersOfTen[decimals] : std::pow(10.0, decimals);
  // nearbyint follows the default rounding mode, round-half-to-even.
  return std::nearbyint(value * scale) / scale;
}

}  // namespace ovalto
