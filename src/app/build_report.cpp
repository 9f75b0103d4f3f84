#include "app/build_report.h"

#include <cstdio>

#include "app/json_writer.h"
#include "core/build_paths.h"
#include "core/version.h"
#include "text/paths.h"
#include "text/text_ops.h"

namespace sparlin {
namespace {

constexpr const char* kStageNames[kStageCount] = {"preprocess", "assembly", "reassemble"};

void WriteNames(JsonWriter& json, const char* key, const std::vector<UString>& names) {
  json.Key(key);
  json.BeginArray();
  for (const UString& name : names) json.String(name);
  json.EndArray();
}

void WriteOutput(JsonWriter& json, const BuildReportInput& in) {
  json.Key("output");
  json.BeginObject();
  json.Key("path");
  json.String(in.output_path);
  if (in.output_bytes) {
    json.Key("bytes");
    json.Integer(*in.output_bytes);
  }
  const CompareOutcome& compare = in.compare;
  switch (compare.kind) {
    case CompareOutcome::Kind::kNotAsked:
      break;
    case CompareOutcome::Kind::kMeasured:
      json.Key("bytes_without_pruning");
      json.Integer(compare.bytes);
      json.Key("bytes_saved");
      json.Integer(compare.bytes - in.output_bytes.value_or(0));
      break;
    case CompareOutcome::Kind::kFailed:
      json.Key("compare_failed");
      json.BeginObject();
      json.Key("exit_code");
      if (compare.exit_code) json.Integer(*compare.exit_code);
      else json.Null();
      json.Key("reason");
      json.String(compare.reason);
      json.EndObject();
      break;
    case CompareOutcome::Kind::kNothingToCompare:
      json.Key("compare_skipped");
      json.String(compare.reason);
      break;
  }
  json.EndObject();
}

void WriteSettings(JsonWriter& json, const OptionValues& settings) {
  json.Key("settings");
  json.BeginObject();
  for (const OptionInfo& info : AllOptions()) {
    json.Key(EncodeUtf8(info.key));
    if (info.kind == OptionKind::kText) json.String(settings.suffix);
    else json.Integer(settings.Get(info.option));
  }
  json.EndObject();
}

void WriteStages(JsonWriter& json, const BuildRecord& record) {
  json.Key("stages");
  json.BeginArray();
  for (int i = 0; i < kStageCount; ++i) {
    const StageRecord& stage = record.stages[i];
    json.BeginObject();
    json.Key("name");
    json.String(DecodeUtf8(kStageNames[i]));
    json.Key("ran");
    json.Bool(stage.ran);
    json.Key("arguments");
    if (stage.ran) json.String(stage.arguments);
    else json.Null();
    json.Key("exit_code");
    if (stage.exit_code) json.Integer(*stage.exit_code);
    else json.Null();
    json.Key("seconds");
    json.Fixed(stage.seconds, 3);
    json.EndObject();
  }
  json.EndArray();
}

void WriteRemoved(JsonWriter& json, const BuildRecord& record) {
  json.Key("removed");
  json.BeginObject();
  WriteNames(json, "macros", record.macros);
  WriteNames(json, "procedures", record.procedures);
  json.Key("pruning_ran");
  json.Bool(record.pruning.ran);
  WriteNames(json, "functions", record.pruning.functions);
  json.Key("libraries");
  json.BeginArray();
  for (const RemovedLibrary& library : record.pruning.libraries) {
    json.BeginObject();
    json.Key("name");
    json.String(library.name);
    json.Key("reason");
    json.String(library.reason);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void WriteKept(JsonWriter& json, const BuildRecord& record) {
  json.Key("kept_libraries");
  json.BeginArray();
  for (const KeptLibrary& library : record.pruning.kept) {
    json.BeginObject();
    json.Key("name");
    json.String(library.name);
    json.Key("symbols");
    json.BeginArray();
    for (const KeptSymbol& symbol : library.symbols) {
      json.BeginObject();
      json.Key("name");
      json.String(symbol.name);
      json.Key("call_count");
      json.Integer(symbol.call_count);
      json.EndObject();
    }
    json.EndArray();
    json.Key("rule");
    if (library.rule.empty()) json.Null();
    else json.String(library.rule);
    json.EndObject();
  }
  json.EndArray();
}

void WriteDlls(JsonWriter& json, const BuildRecord& record) {
  json.Key("dlls_copied");
  json.BeginArray();
  for (const CopiedDll& dll : record.dlls_copied) {
    json.BeginObject();
    json.Key("name");
    json.String(dll.name);
    json.Key("path");
    json.String(dll.path);
    json.EndObject();
  }
  json.EndArray();
}

void WriteMessages(JsonWriter& json, const std::vector<ShownMessage>& messages) {
  json.Key("messages");
  json.BeginArray();
  for (const ShownMessage& message : messages) {
    json.BeginObject();
    json.Key("title");
    json.String(message.title);
    json.Key("text");
    json.String(message.text);
    json.EndObject();
  }
  json.EndArray();
}

bool IsAbsolutePath(UStringView path) {
  return (path.size() >= 2 && path[1] == u':') || (!path.empty() && (path[0] == u'\\' || path[0] == u'/'));
}

}  // namespace

std::string BuildReportJson(const BuildReportInput& in) {
  static const BuildRecord kEmptyRecord;
  static const OptionValues kNoSettings;
  const BuildRecord& record = in.record ? *in.record : kEmptyRecord;
  JsonWriter json;
  json.BeginObject();
  json.Key("version");
  json.String(kVersionU);
  json.Key("source");
  json.String(in.source);
  WriteOutput(json, in);
  WriteSettings(json, in.settings ? *in.settings : kNoSettings);
  WriteStages(json, record);
  WriteRemoved(json, record);
  WriteKept(json, record);
  WriteDlls(json, record);
  WriteMessages(json, in.messages);
  json.Key("result");
  json.String(in.finished ? u"finished" : u"failed");
  json.Key("exit_code");
  json.Integer(in.exit_code);
  json.EndObject();
  return json.Take();
}

std::string CompareSummaryLine(int64_t bytes, int64_t bytes_without_pruning) {
  double percent = bytes_without_pruning > 0
                       ? 100.0 * static_cast<double>(bytes_without_pruning - bytes) / static_cast<double>(bytes_without_pruning)
                       : 0.0;
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "[size %lld without pruning %lld, %.1f%% smaller]",
                static_cast<long long>(bytes), static_cast<long long>(bytes_without_pruning), percent);
  return buffer;
}

bool ReportWouldOverwrite(UStringView report_path, const std::vector<UString>& build_paths) {
  for (const UString& path : build_paths) {
    if (path.empty()) continue;
    if (NamesSameFile(report_path, path)) return true;
    if (IsAbsolutePath(report_path) != IsAbsolutePath(path) &&
        ToLower(PathFileName(report_path)) == ToLower(PathFileName(path))) {
      return true;
    }
  }
  return false;
}

}  // namespace sparlin
