// Web addresses of the start screen's two links. They stand under the
// reserved .example domain until the real sites exist.
#pragma once

namespace ovalto {

inline constexpr const char* kMakerSiteAddress = "https://www.ovalto.example/";
inline constexpr const char* kMakerSiteCaption = "www.ovalto.example";
inline constexpr const char* kDistributorSiteAddress = "https://www.kalderon.example/";
inline constexpr const char* kDistributorSiteCaption = "www.kalderon.example";

}  // namespace ovalto
