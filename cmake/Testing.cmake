# Helpers that register tests with CTest.
find_package(GTest REQUIRED)

# What every test sees: where the built program and the sources lie, a UTF-8
# locale, and a data folder of its own, so no test reads or writes the
# developer's own copies of the tables.
set(KV_TEST_ENVIRONMENT "KV_BIN_DIR=${KV_BIN_DIR};KV_SOURCE_DIR=${CMAKE_SOURCE_DIR};LC_ALL=C.UTF-8;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data-home")

# kv_gtest(name SOURCES ... LIBS ...): a GoogleTest program without widgets.
function(kv_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  # One CTest test per program: the program prints each case, and the
  # environment reaches every case (test discovery would split the list).
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KV_TEST_ENVIRONMENT}")
endfunction()

# A window test names a tool by its library and gets its windows as well.
function(_kv_with_windows out)
  set(libs "")
  foreach(lib IN LISTS ARGN)
    list(APPEND libs ${lib})
    if(TARGET ${lib}_windows)
      list(APPEND libs ${lib}_windows)
    endif()
  endforeach()
  set(${out} ${libs} PARENT_SCOPE)
endfunction()

# kv_qtest(name SOURCES ... LIBS ...): a QtTest program for windows, offscreen.
function(kv_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT KV_WIDGETS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  _kv_with_windows(T_LIBS ${T_LIBS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${KV_TEST_ENVIRONMENT}")
endfunction()

# kv_xtest(name SOURCES ... LIBS ... [TRAY]): a QtTest program that needs a real X
# server; it runs under tests/support/with-xvfb.sh, which starts a private Xvfb
# (and trayer when TRAY is given).
function(kv_xtest name)
  cmake_parse_arguments(T "TRAY" "" "SOURCES;LIBS" ${ARGN})
  if(NOT KV_WIDGETS)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  _kv_with_windows(T_LIBS ${T_LIBS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  set(tray "")
  if(T_TRAY)
    set(tray "--tray")
  endif()
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/tests/support/with-xvfb.sh ${tray} $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;${KV_TEST_ENVIRONMENT}"
    RUN_SERIAL TRUE)
endfunction()

# kv_pytest(name SCRIPT args...): a Python check against an independent tool.
function(kv_pytest name script)
  # Debian's own interpreter: the checks use its python3-* packages.
  add_test(NAME ${name} COMMAND /usr/bin/python3 ${script} ${ARGN})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${KV_TEST_ENVIRONMENT}")
endfunction()
