# Turns the version template text into a C++ array, byte for byte, so that the
# program carries the exact bytes of resources/version_template.txt.
# Called with -DINPUT=<text file> -DOUTPUT=<.cpp file>.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from resources/version_template.txt at build time.\n"
  "#include \"source_stage/version_template.h\"\n\n"
  "namespace sparlin {\n\n"
  "const char kVersionTemplateBytes[] = {${bytes}};\n"
  "const size_t kVersionTemplateSize = ${byte_count};\n\n"
  "}  // namespace sparlin\n")
configure_file("${OUTPUT}.tmp" "${OUTPUT}" COPYONLY)
file(REMOVE "${OUTPUT}.tmp")
