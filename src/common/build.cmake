# The generator of the GBK pinyin reading table. Not part of the ordinary
# build: the generated PinyinReadings.cpp is committed. Regenerate with
#   cmake --build <build dir> --target tj_regenerate_pinyin_table
add_executable(tj_pinyin_table_generator EXCLUDE_FROM_ALL
  ${CMAKE_SOURCE_DIR}/src/common/generator/GeneratePinyinTable.cpp)
target_include_directories(tj_pinyin_table_generator PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(tj_pinyin_table_generator PRIVATE PkgConfig::ICU)
target_compile_options(tj_pinyin_table_generator PRIVATE ${TJ_WARNINGS})
set_target_properties(tj_pinyin_table_generator PROPERTIES AUTOMOC OFF)

add_custom_target(tj_regenerate_pinyin_table
  COMMAND tj_pinyin_table_generator ${CMAKE_SOURCE_DIR}/src/common/PinyinReadings.cpp
  DEPENDS tj_pinyin_table_generator
  COMMENT "Regenerating src/common/PinyinReadings.cpp from ICU"
  VERBATIM)
