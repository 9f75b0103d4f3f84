#include "oracle/literal_reference_forms.h"

namespace sparlin::oracle {

std::vector<UString> LiteralCountedForms(UStringView symbol, bool is_64_bit) {
  const UString f(symbol);
  if (is_64_bit) {
    return {
        u"CALL   " + f + u"\r\n",
        u"CALL   qword [" + f + u"]\r\n",
        u"CALL   " + f + u"_THREAD\r\n",
        u"CALL   " + f + u"_DOUBLE\r\n",
        u"extrn " + f + u"\r\n",
        u"extrn " + f + u"_THREAD\r\n",
        u"extrn " + f + u"_DOUBLE\r\n",
    };
  }
  return {
      u"CALL  _" + f + u"@",  // two blanks: the decorated call
      u"CALL   dword [_" + f + u"]\r\n",
      u"CALL  _" + f + u"_THREAD@",
      u"CALL  _" + f + u"_DOUBLE@",
      u"extrn _" + f + u"@",
      u"extrn _" + f + u"\r\n",
      u"extrn _" + f + u"_THREAD@",
      u"extrn _" + f + u"_DOUBLE@",
      u"CALL   " + f + u"\r\n",
      u"extrn " + f + u"\r\n",
  };
}

std::vector<UString> LiteralDeclarationForms(UStringView symbol, bool is_64_bit) {
  const UString f(symbol);
  if (is_64_bit) return {u"extrn " + f + u"\r\n"};
  return {u"extrn _" + f + u"@", u"extrn " + f + u"\r\n"};
}

std::vector<UString> LiteralCallForms(UStringView symbol, bool is_64_bit) {
  const UString f(symbol);
  if (is_64_bit) return {u"CALL   " + f + u"\r\n", u"CALL   qword [" + f + u"]\r\n"};
  return {u"CALL  _" + f + u"@", u"CALL   " + f + u"\r\n", u"CALL   dword [_" + f + u"@",
          u"CALL   dword [_" + f + u"]\r\n"};
}

}  // namespace sparlin::oracle
