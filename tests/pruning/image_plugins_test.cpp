#include "pruning/image_plugins.h"

#include <gtest/gtest.h>

namespace sparlin {
namespace {

struct Detection {
  PluginGuard guard;
  std::string log;  // the detection lines, one after the other
};

Detection Detect(const std::vector<UString>& libraries, UStringView text, bool by_extension) {
  Detection d;
  d.guard = DetectImagePlugins(libraries, EncodeUtf8(text), by_extension, [&](const UString& item) { d.log += EncodeUtf8(item); });
  return d;
}

std::string Line(const std::string& tag) { return "\t\u00B7  " + tag + " de/encoder detected\r\n"; }

const std::vector<UString> kAllPlugins = {u"ImagePluginTIFF", u"ImagePluginBMP", u"ImagePluginGIF",
                                          u"ImagePluginJPEG2000", u"ImagePluginJPEG", u"ImagePluginPNG",
                                          u"ImagePluginTGA", u"Gadget"};

TEST(ImagePluginsTest, WithTheOptionOffEveryImportedPluginIsKept) {
  Detection d = Detect(kAllPlugins, u"no file names at all", false);
  EXPECT_EQ(d.log, Line("BMP") + Line("GIF") + Line("JP2") + Line("JPG") + Line("PNG") + Line("TGA") + Line("TIFF"));
  EXPECT_EQ(d.guard.detected, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(d.guard.ProtectedName,
            (std::array<UString, 7>{u"PB_InitBMPImagePlugin", u"PB_UseGIFImageDecoder", u"PB_UseJPEG2000ImageDecoder",
                                    u"PB_UseJPEGImageDecoder", u"PB_UsePNGImageDecoder", u"PB_UseTGAImageDecoder",
                                    u"PB_UseTIFFImageDecoder"}));
  EXPECT_EQ(d.guard.AlphaInitName, u"PB_InitAlphaImage");
  EXPECT_EQ(d.guard.AlphaEndName, u"PB_EndAlphaImage");
  EXPECT_TRUE(d.guard.AnyDetected());
}

TEST(ImagePluginsTest, WithTheOptionOnTheExtensionMustOccurInTheText) {
  EXPECT_EQ(PluginProbes(u".bmp"),
            (std::array<UString, 4>{u".bmp\"", u"46,98,109,112", u"46,66,77,80", u"46,66,109,112"}));
  const std::vector<UString> png = {u"ImagePluginPNG"};
  // A source line left as a comment, the name in capitals inside quotes.
  EXPECT_EQ(Detect(png, u"; LoadImage(0, \"LOGO.PNG\")\r\n", true).log, Line("PNG"));
  // Only in the data lines: ".Png" as character codes.
  EXPECT_EQ(Detect(png, u"_S4: dw 108,111,103,111,46,80,110,103,0\r\n", true).log, Line("PNG"));
  EXPECT_EQ(Detect(png, u"_S4: dw 46,112,110,103,0\r\n", true).log, Line("PNG"));
  EXPECT_EQ(Detect(png, u"_S4: dw 46,80,78,71,0\r\n", true).log, Line("PNG"));
  // A probe that ends the text, in either representation.
  EXPECT_EQ(Detect(png, u"_S4: dw 46,112,110,103", true).log, Line("PNG"));
  EXPECT_EQ(Detect(png, u"; \"a.png\"", true).log, Line("PNG"));
  EXPECT_TRUE(DetectImagePlugins(png, std::string_view("_S4: dw 46,112,110,103"), true, [](const UString&) {})
                  .AnyDetected());
  // ".pNG" is none of the three code forms; an unquoted ".png" is no probe.
  Detection mixed = Detect(png, u"_S4: dw 46,112,78,71,0\r\n; image.png is loaded\r\n", true);
  EXPECT_EQ(mixed.log, "");
  EXPECT_FALSE(mixed.guard.AnyDetected());
  EXPECT_EQ(mixed.guard.ProtectedName[4], u"");
  EXPECT_EQ(mixed.guard.AlphaInitName, u"");
  // A name built at run time from pieces.
  EXPECT_EQ(Detect(png, u"; LoadImage(0, Name$ + \".\" + Ext$)\r\n", true).log, "");
}

TEST(ImagePluginsTest, SecondExtensionsAndTheJpegPlugin) {
  Detection jpeg = Detect({u"ImagePluginJPEG"}, u"; LoadImage(0, \"photo.jpeg\")\r\n", true);
  EXPECT_EQ(jpeg.log, Line("JPG"));
  EXPECT_EQ(jpeg.guard.ProtectedName[3], u"PB_UseJPEGImageDecoder");
  // JPEG images need no alpha support.
  EXPECT_EQ(jpeg.guard.AlphaInitName, u"");
  EXPECT_EQ(jpeg.guard.AlphaEndName, u"");

  EXPECT_EQ(Detect({u"ImagePluginTIFF"}, u"_S1: dw 46,84,105,102,0\r\n", true).log, Line("TIFF"));
  EXPECT_EQ(Detect({u"ImagePluginTIFF"}, u"; \"scan.TIF\"\r\n", true).log, Line("TIFF"));
  EXPECT_EQ(Detect({u"ImagePluginJPEG2000"}, u"; \"scan.jpg\"\r\n", true).log, "");
}

TEST(ImagePluginsTest, PluginsThatAreNotImportedAreNeitherReportedNorProtected) {
  Detection d = Detect({u"ImagePluginPNG2", u"imagepluginpng", u"Gadget"}, u"\"a.png\" \"b.bmp\"", true);
  EXPECT_EQ(d.log, "");
  EXPECT_FALSE(d.guard.AnyDetected());
  EXPECT_EQ(d.guard.ProtectedName, (std::array<UString, 7>{}));
  EXPECT_FALSE(d.guard.IsProtected(u""));

  Detection none = Detect({}, u"\"a.png\"", false);
  EXPECT_EQ(none.log, "");
  EXPECT_EQ(none.guard.AlphaInitName, u"");
}

}  // namespace
}  // namespace sparlin
