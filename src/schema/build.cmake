# The embedded template database data/template.db, built from the schema
# script and the first rows through the database layer, beside the executable.
if(TARGET tj_schema)
  add_executable(tj_mktemplate ${CMAKE_SOURCE_DIR}/src/schema/mktemplate/main.cpp)
  target_link_libraries(tj_mktemplate PRIVATE tj_schema)
  target_compile_options(tj_mktemplate PRIVATE ${TJ_WARNINGS})
  set_target_properties(tj_mktemplate PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

  set(TJ_TEMPLATE_DB ${TJ_RUNTIME_DIR}/data/template.db)
  add_custom_command(
    OUTPUT ${TJ_TEMPLATE_DB}
    COMMAND tj_mktemplate ${TJ_TEMPLATE_DB}
    DEPENDS tj_mktemplate
            ${CMAKE_SOURCE_DIR}/src/schema/sql/schema.sql
            ${CMAKE_SOURCE_DIR}/src/schema/sql/firstrows.sql
    COMMENT "Building the template database data/template.db"
    VERBATIM)
  add_custom_target(tj_template_db ALL DEPENDS ${TJ_TEMPLATE_DB})
endif()
