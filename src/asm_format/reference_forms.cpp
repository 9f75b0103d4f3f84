#include "asm_format/reference_forms.h"

#include "text/text_ops.h"

namespace sparlin {

std::vector<UString> CountedForms(UStringView symbol, bool is_64_bit) {
  UString f(symbol);
  if (is_64_bit) {
    return {u"CALL   " + f + u"\r\n",        u"CALL   qword [" + f + u"]\r\n", u"CALL   " + f + u"_THREAD\r\n",
            u"CALL   " + f + u"_DOUBLE\r\n", u"extrn " + f + u"\r\n",          u"extrn " + f + u"_THREAD\r\n",
            u"extrn " + f + u"_DOUBLE\r\n"};
  }
  return {u"CALL  _" + f + u"@",          u"CALL   dword [_" + f + u"]\r\n", u"CALL  _" + f + u"_THREAD@",
          u"CALL  _" + f + u"_DOUBLE@",   u"extrn _" + f + u"@",             u"extrn _" + f + u"\r\n",
          u"extrn _" + f + u"_THREAD@",   u"extrn _" + f + u"_DOUBLE@",      u"CALL   " + f + u"\r\n",
          u"extrn " + f + u"\r\n"};
}

std::vector<UString> DeclarationForms(UStringView symbol, bool is_64_bit) {
  UString f(symbol);
  if (is_64_bit) return {u"extrn " + f + u"\r\n"};
  return {u"extrn _" + f + u"@", u"extrn " + f + u"\r\n"};
}

std::vector<UString> CallForms(UStringView symbol, bool is_64_bit) {
  UString f(symbol);
  if (is_64_bit) return {u"CALL   " + f + u"\r\n", u"CALL   qword [" + f + u"]\r\n"};
  return {u"CALL  _" + f + u"@", u"CALL   " + f + u"\r\n", u"CALL   dword [_" + f + u"@",
          u"CALL   dword [_" + f + u"]\r\n"};
}

}  // namespace sparlin
