# Table engine tests: file layout, code pages, cursor, writing, key expressions.
kv_gtest(table_tests
  SOURCES dbf_format_tests.cpp codepage_tests.cpp table_cursor_tests.cpp
          table_write_tests.cpp table_tag_tests.cpp key_expression_tests.cpp
          table_test_support.h
  LIBS dbase)

# Compatibility with Debian's python3-dbfread and python3-dbf, both ways.
add_executable(dbf_dump dbf_dump.cpp dbf_tool_json.h)
target_link_libraries(dbf_dump PRIVATE dbase)
add_executable(dbf_write_sample dbf_write_sample.cpp dbf_tool_json.h)
target_link_libraries(dbf_write_sample PRIVATE dbase)
kv_pytest(dbf_compat_engine_writes ${CMAKE_CURRENT_SOURCE_DIR}/dbf_compat_engine_writes.py $<TARGET_FILE:dbf_write_sample>)
kv_pytest(dbf_compat_engine_reads ${CMAKE_CURRENT_SOURCE_DIR}/dbf_compat_engine_reads.py $<TARGET_FILE:dbf_dump>)
kv_pytest(dbf_codepage_oracle ${CMAKE_CURRENT_SOURCE_DIR}/dbf_codepage_oracle.py $<TARGET_FILE:dbf_dump>)
