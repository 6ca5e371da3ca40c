# Production index (.MDX) tests and the build's table generator.
kv_gtest(mdx_tests
  SOURCES mdx_tests.cpp mdx_bcd_tests.cpp MdxTreeWalk.h
  LIBS dbase)
kv_gtest(dbfgen_tests
  SOURCES csv_tests.cpp dbfgen_source_tests.cpp dbfgen_tests.cpp MdxTreeWalk.h
  LIBS dbfgen_core)
