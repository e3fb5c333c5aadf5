# Writes OUTPUT: a C++ source defining NAMESPACE::FUNCTION() over the bytes of INPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
  "#include \"${HEADER}\"\n\n"
  "namespace ${NAMESPACE} {\nnamespace {\n"
  "// One spare element keeps the array valid when the file is empty.\n"
  "constexpr unsigned char kBytes[${size} + 1] = {\n${bytes}0};\n}\n\n"
  "std::string_view ${FUNCTION}() {\n"
  "  return {reinterpret_cast<const char*>(kBytes), ${size}};\n}\n}\n")
