# kv_tool_list(OUTPUT file HEADER header FUNCTION name MACRO macro [OPTIONAL]):
# a header that includes tools/<tool>/<header> for every tool of KV_TOOLS and
# defines `macro` as the list of their functions &<tool>::<name>, in that
# order, for app/ to concatenate. OPTIONAL: only the tools that have the
# header take part.
function(kv_tool_list)
  cmake_parse_arguments(L "OPTIONAL" "OUTPUT;HEADER;FUNCTION;MACRO" "" ${ARGN})
  set(includes "")
  set(entries "")
  foreach(tool IN LISTS KV_TOOLS)
    if(L_OPTIONAL AND NOT EXISTS ${PROJECT_SOURCE_DIR}/tools/${tool}/${L_HEADER})
      continue()
    endif()
    string(APPEND includes "#include \"tools/${tool}/${L_HEADER}\"\n")
    string(APPEND entries " \\\n    &${tool}::${L_FUNCTION},")
  endforeach()
  file(CONFIGURE OUTPUT ${L_OUTPUT} CONTENT
"#pragma once
// Made by the build from KV_TOOLS in the root CMakeLists.txt.
${includes}
#define ${L_MACRO}${entries}
")
endfunction()
