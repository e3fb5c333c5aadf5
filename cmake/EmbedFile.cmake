# zop_embed_file(TARGET <lib> INPUT <file> HEADER <name.hpp> NAMESPACE <ns> FUNCTION <fn> [DEPENDS <targets>])
#
# Builds the static library <lib> whose header <name.hpp> declares
#   namespace <ns> { std::string_view <fn>(); }
# returning the exact bytes of <file> as they are at build time. The bytes are
# written as a C++ array by a CMake script, so no tool beyond CMake is needed.
function(zop_embed_file)
  cmake_parse_arguments(EMBED "" "TARGET;INPUT;HEADER;NAMESPACE;FUNCTION" "DEPENDS" ${ARGN})
  set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${EMBED_TARGET}")
  set(header "${out_dir}/include/${EMBED_HEADER}")
  set(source "${out_dir}/${EMBED_TARGET}.cpp")
  file(WRITE "${header}.in"
    "#pragma once\n#include <string_view>\n\nnamespace ${EMBED_NAMESPACE} {\nstd::string_view ${EMBED_FUNCTION}();\n}\n")
  configure_file("${header}.in" "${header}" COPYONLY)
  add_custom_command(
    OUTPUT "${source}"
    COMMAND "${CMAKE_COMMAND}"
      -DINPUT=${EMBED_INPUT} -DOUTPUT=${source} -DHEADER=${EMBED_HEADER}
      -DNAMESPACE=${EMBED_NAMESPACE} -DFUNCTION=${EMBED_FUNCTION}
      -P "${ZOP_EMBED_SCRIPT}"
    DEPENDS "${EMBED_INPUT}" "${ZOP_EMBED_SCRIPT}" ${EMBED_DEPENDS}
    COMMENT "Embedding ${EMBED_INPUT}"
    VERBATIM)
  add_library(${EMBED_TARGET} STATIC "${source}")
  target_include_directories(${EMBED_TARGET} PUBLIC "${out_dir}/include")
  target_compile_features(${EMBED_TARGET} PUBLIC cxx_std_17)
endfunction()

set(ZOP_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/embed_file_script.cmake")
