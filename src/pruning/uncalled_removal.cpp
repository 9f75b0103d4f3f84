#include "pruning/uncalled_removal.h"

#include "pruning/indexed_text.h"
#include "pruning/library_files.h"

namespace sparlin {
namespace {

PluginGuard DetectPlugins(const std::vector<UString>& libraries, std::string_view text, bool remove_by_extension,
                          const std::function<void(const UString&)>& log) {
  return DetectImagePlugins(libraries, text, remove_by_extension, log);
}

PruningSettings SettingsOf(BuildContext& ctx) {
  PruningSettings settings;
  settings.is_64_bit = ctx.state.assembly.Is64Bit != 0;
  settings.dpi_aware_switch = ctx.state.source.Switches.DpiAware;
  settings.remove_plugins_by_extension = ctx.OptionOn(Option::ImgPlugin);
  return settings;
}

PruningIo IoOf(BuildContext& ctx) {
  PruningIo io;
  io.read_file = [&ctx](const UString& path, std::string& bytes) {
    int64_t size = ctx.files.FileSize(path);
    return size >= 0 && size <= kMaxLibraryFileBytes && ctx.files.ReadWholeFile(path, bytes);
  };
  io.log = [&ctx](const UString& item) { ctx.log.Append(item); };
  io.progress = [&ctx](int percent) { ctx.host.SetProgress(percent); };
  io.beep = [&ctx] { ctx.host.PlayTone(800, 50); };
  io.record = &ctx.record.pruning;  // build report
  return io;
}

}  // namespace

std::string RemoveUncalledLibraries(std::vector<UString>& libraries, std::string text, UStringView library_folder,
                                    const PruningSettings& settings, const PruningIo& io) {
  IndexedText indexed(std::move(text), settings.is_64_bit);
  LibraryTable table = ParseLibraryFiles(libraries, library_folder, io.read_file,
                                         DeclaredRuntimeNames(indexed.Unedited(), settings.is_64_bit));
  return RunRemovalRules(libraries, std::move(table), indexed, DetectPlugins, settings, io).Take();
}

std::string RemoveUncalledLibraries(BuildContext& ctx, std::vector<UString>& libraries, std::string text,
                                    UStringView library_folder) {
  return RemoveUncalledLibraries(libraries, std::move(text), library_folder, SettingsOf(ctx), IoOf(ctx));
}

}  // namespace sparlin
