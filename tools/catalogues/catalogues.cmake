# Builds the catalogue generator and runs it, adding the two built-in
# catalogues to the target named by OVALTO_CATALOGUE_TARGET. Included from the
# directory that defines that target, so the generated source belongs to it.
add_executable(generate_catalogues ${CMAKE_CURRENT_LIST_DIR}/generate_catalogues.cpp)
target_link_libraries(generate_catalogues PRIVATE ovalto_platform)

set(OVALTO_CATALOGUE_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/catalogue_resources.cpp)

# A sanitized generator must not fail the build over leak checking, which
# some build hosts cannot run.
add_custom_command(
  OUTPUT ${OVALTO_CATALOGUE_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:generate_catalogues> ${OVALTO_CATALOGUE_SOURCE} ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS generate_catalogues
  COMMENT "Generating the built-in catalogues Kalderon and Pellorit"
  VERBATIM)

target_sources(${OVALTO_CATALOGUE_TARGET} PRIVATE ${OVALTO_CATALOGUE_SOURCE})
