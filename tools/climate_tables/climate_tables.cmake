# Builds the climate-table generator and runs it on the data files, adding the
# generated rows to ovalto_core. Included from the directory that defines
# ovalto_core, so the generated source belongs to that directory.
add_executable(generate_climate_tables
  ${CMAKE_CURRENT_LIST_DIR}/climate_supplements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generate_climate_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tsv_file.cpp)

set(OVALTO_CLIMATE_DATA_DIR ${PROJECT_SOURCE_DIR}/calculator/resources/climate)
set(OVALTO_CLIMATE_DATA
  ${OVALTO_CLIMATE_DATA_DIR}/regions.tsv
  ${OVALTO_CLIMATE_DATA_DIR}/region_map.tsv
  ${OVALTO_CLIMATE_DATA_DIR}/climate.tsv
  ${OVALTO_CLIMATE_DATA_DIR}/climate-extra.tsv
  ${OVALTO_CLIMATE_DATA_DIR}/climate-extra2.tsv
  ${OVALTO_CLIMATE_DATA_DIR}/SOURCES-extra2.md
  ${OVALTO_CLIMATE_DATA_DIR}/wind.tsv)
set(OVALTO_CLIMATE_ROWS ${CMAKE_CURRENT_BINARY_DIR}/climate_table_rows.cpp)

# A sanitized generator must not fail the build over leak checking, which
# some build hosts cannot run.
add_custom_command(
  OUTPUT ${OVALTO_CLIMATE_ROWS}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:generate_climate_tables> ${OVALTO_CLIMATE_DATA} ${OVALTO_CLIMATE_ROWS}
  DEPENDS generate_climate_tables ${OVALTO_CLIMATE_DATA}
  COMMENT "Generating the climate and wind tables"
  VERBATIM)

target_sources(ovalto_core PRIVATE ${OVALTO_CLIMATE_ROWS})
