# The spreadsheet documents: the workbook model, the two printed forms and the
# writer that joins them into a file. Included from the calculator's folder.
set(documents_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(ovalto_workbook STATIC
  ${documents_dir}/form_description.cpp
  ${documents_dir}/form_mont_dot.cpp
  ${documents_dir}/form_spec_dot.cpp
  ${documents_dir}/form_title_block.cpp
  ${documents_dir}/sheet_pager.cpp
  ${documents_dir}/workbook_model.cpp
  ${documents_dir}/workbook_writer.cpp)
target_include_directories(ovalto_workbook PUBLIC ${documents_dir})
target_link_libraries(ovalto_workbook PUBLIC ovalto_platform)

# The two documents from the bill of materials, and their one entry.
add_library(ovalto_spreadsheets STATIC
  ${documents_dir}/sheet_installation_list.cpp
  ${documents_dir}/sheet_specification.cpp
  ${documents_dir}/workbook_document.cpp
  ${documents_dir}/workbook_file_name.cpp)
target_link_libraries(ovalto_spreadsheets PUBLIC ovalto_workbook ovalto_documents ovalto_project)
