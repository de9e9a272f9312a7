# The sheet library inflates .xlsx members with zlib.
#
# libxlsxwriter writes its zip container through the system minizip. QuaZip
# exports functions of the same names with other arguments; when QuaZip is
# loaded first, libxlsxwriter's calls land in QuaZip and crash. Loading
# minizip directly, ahead of everything else, makes those names resolve to it.
if(TARGET tj_platform_sheet)
  find_package(ZLIB REQUIRED)
  target_link_libraries(tj_platform_sheet PUBLIC ZLIB::ZLIB)
  find_library(TJ_MINIZIP NAMES libminizip.so.1 minizip REQUIRED)
  target_link_options(tj_platform_sheet INTERFACE "LINKER:--push-state,--no-as-needed" "${TJ_MINIZIP}" "LINKER:--pop-state")
endif()

# The generator of resources/Report/报表.xlsx (run by hand when the template
# changes; the file itself is committed):
#   cmake --build BUILD --target tj_make_report_template
#   BUILD/bin/tj_make_report_template resources/Report/报表.xlsx
if(TARGET tj_platform_sheet)
  add_executable(tj_make_report_template EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/src/platform/sheet/template/make_report_template.cpp)
  target_link_libraries(tj_make_report_template PRIVATE tj_platform_sheet)
endif()
