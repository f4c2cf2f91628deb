#include "cli/BatchOutputs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>
#include <ostream>

#include "app/OneLineText.h"
#include "cli/CliFrontEnd.h"
#include "platform/settings/SettingsKey.h"
#include "codecs/readers/ProgramReaders.h"
#include "convert/ConversionJob.h"
#include "convert/OutputPlacement.h"
#include "platform/paths/PathIdentity.h"
#include "source/SourceList.h"

namespace {

QJsonValue Text(const std::string& text) {
  if (text.empty()) return QJsonValue();
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Compact(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

// One row of the plan: a planned entry, or a file that failed to load.
struct PlanRow {
  std::string source;
  std::string action;
  std::string output;
  std::string reason;
  bool inDocuments = false;
};

std::vector<PlanRow> PlanRows(const std::vector<PlannedEntry>& plan,
                              const std::vector<LoadFailure>& failures) {
  std::vector<PlanRow> rows;
  size_t failure = 0;
  const auto failuresBefore = [&](size_t entries) {
    for (; failure < failures.size() && failures[failure].before <= entries; ++failure)
      rows.push_back({failures[failure].path, "fail", "", failures[failure].reason, false});
  };
  for (size_t i = 0; i < plan.size(); ++i) {
    failuresBefore(i);
    const PlannedEntry& entry = plan[i];
    rows.push_back({entry.source, PlannedActionName(entry.action), entry.output, entry.reason,
                    entry.inDocuments});
  }
  failuresBefore(plan.size());
  return rows;
}

// The length of a finished output as the program's own readers find it,
// in seconds; empty when it cannot be read.
std::optional<double> OutputSeconds(const std::string& output) {
  SourceList probe(ProgramReaders());
  if (output.empty() || probe.AddOneFile(output) == SourceList::AddResult::FAILED ||
      probe.Size() == 0)
    return std::nullopt;
  const SourceFile& entry = probe.At(0);
  if (entry.durationMs > 0) return static_cast<double>(entry.durationMs) / 1000;
  if (entry.duration > 0) return entry.duration;
  return std::nullopt;
}

QJsonValue InputSeconds(const SourceFile& entry) {
  if (entry.durationMs > 0) return static_cast<double>(entry.durationMs) / 1000;
  if (entry.duration > 0) return static_cast<double>(entry.duration);
  return QJsonValue();
}

}  // namespace

void WritePlan(const std::vector<PlannedEntry>& plan, const std::vector<LoadFailure>& failures,
               bool json, std::ostream& out) {
  const std::vector<PlanRow> rows = PlanRows(plan, failures);
  if (!json) {
    for (const PlanRow& row : rows) {
      const bool placed = !row.output.empty();
      out << OneLineText(row.source) << '\t' << row.action << '\t'
          << OneLineText(placed ? row.output : row.reason);
      if (row.inDocuments) out << "\t(the output folder cannot be used)";
      out << '\n';
    }
    return;
  }
  QJsonArray array;
  for (const PlanRow& row : rows) {
    QJsonObject object;
    object[QStringLiteral("source")] = Text(row.source);
    object[QStringLiteral("action")] = QString::fromStdString(row.action);
    object[QStringLiteral("output")] = Text(row.output);
    object[QStringLiteral("reason")] = Text(row.reason);
    object[QStringLiteral("in_documents")] = row.inDocuments;
    array.append(object);
  }
  out << QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
}

BatchReport::~BatchReport() {
  if (fd_ >= 0) close(fd_);
}

bool BatchReport::Open(const std::string& path, std::ostream& err) {
  fd_ = open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd_ >= 0) return true;
  err << "sondrel-cli: cannot write the report \"" << OneLineText(path)
      << "\": " << std::strerror(errno) << ".\n";
  return false;
}

void BatchReport::WriteLine(const std::string& line) {
  if (fd_ < 0) return;
  const std::string whole = line + '\n';
  size_t written = 0;
  while (written < whole.size()) {
    const ssize_t n = write(fd_, whole.data() + written, whole.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    written += static_cast<size_t>(n);
  }
}

void BatchReport::Entry(const SourceFile& entry, const std::string& output,
                        const std::string& message, const std::string& reason, double seconds) {
  std::string status;
  if (!output.empty()) {
    status = "converted";
    ++counts_.converted;
  } else if (message == TARGET_SKIPPED_MESSAGE) {
    status = "skipped";
    ++counts_.skipped;
  } else if (message == STATUS_CANCELLED) {
    status = "cancelled";
    ++counts_.notConverted;
  } else if (message == NOT_CONVERTED_STATUS) {
    status = "not converted";
    ++counts_.notConverted;
  } else {
    status = "failed";
    ++counts_.failed;
  }
  QJsonObject object;
  object[QStringLiteral("source")] = Text(entry.path);
  object[QStringLiteral("output")] = Text(output);
  object[QStringLiteral("status")] = QString::fromStdString(status);
  object[QStringLiteral("message")] = Text(message);
  object[QStringLiteral("reason")] = Text(reason);
  object[QStringLiteral("input_seconds")] = InputSeconds(entry);
  const std::optional<double> outputSeconds = output.empty() ? std::nullopt : OutputSeconds(output);
  object[QStringLiteral("output_seconds")] =
      outputSeconds ? QJsonValue(*outputSeconds) : QJsonValue();
  object[QStringLiteral("seconds")] = seconds;
  struct stat info;
  const bool sized = !output.empty() && stat(output.c_str(), &info) == 0;
  object[QStringLiteral("bytes")] = static_cast<qint64>(sized ? info.st_size : 0);
  WriteLine(Compact(object));
}

void BatchReport::LoadFailed(const LoadFailure& failure) {
  ++counts_.failed;
  QJsonObject object;
  object[QStringLiteral("source")] = Text(failure.path);
  object[QStringLiteral("output")] = QJsonValue();
  object[QStringLiteral("status")] = QStringLiteral("failed");
  object[QStringLiteral("message")] = QStringLiteral("Failed to load");
  object[QStringLiteral("reason")] = Text(failure.reason);
  object[QStringLiteral("input_seconds")] = QJsonValue();
  object[QStringLiteral("output_seconds")] = QJsonValue();
  object[QStringLiteral("seconds")] = 0;
  object[QStringLiteral("bytes")] = 0;
  WriteLine(Compact(object));
}

void BatchReport::Summary(ReportSummary summary) {
  QJsonObject object;
  object[QStringLiteral("summary")] = true;
  object[QStringLiteral("converted")] = summary.converted;
  object[QStringLiteral("skipped")] = summary.skipped;
  object[QStringLiteral("failed")] = summary.failed;
  object[QStringLiteral("not_converted")] = summary.notConverted;
  object[QStringLiteral("cancelled")] = summary.cancelled;
  object[QStringLiteral("seconds")] = summary.seconds;
  WriteLine(Compact(object));
}

bool ParseShard(const std::string& value, Shard& shard, std::ostream& err) {
  const std::string::size_type slash = value.find('/');
  const std::optional<uint32_t> k =
      slash == std::string::npos ? std::nullopt : ParseUint32(value.substr(0, slash));
  const std::optional<uint32_t> n =
      slash == std::string::npos ? std::nullopt : ParseUint32(value.substr(slash + 1));
  if (!k || !n || *k == 0 || *k > *n) {
    err << "sondrel-cli: --shard takes K/N, the K-th of N shares with 1 <= K <= N, not \"" << value
        << "\".\n";
    return false;
  }
  shard.index = *k - 1;
  shard.count = *n;
  return true;
}

std::vector<bool> InShard(const std::vector<std::string>& paths, Shard shard) {
  const auto keyOf = [](const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    // "song_2" goes with "song", whose outputs auto rename may call so.
    const std::string::size_type digits = name.find_last_not_of("0123456789");
    if (digits != std::string::npos && digits + 1 < name.size() && digits > 0 &&
        name[digits] == '_')
      name.resize(digits);
    return CaseFoldedName(name);
  };
  std::map<std::string, size_t> groups;
  for (const std::string& path : paths) groups.emplace(keyOf(path), 0);
  size_t ordinal = 0;
  for (auto& group : groups) group.second = ordinal++;
  std::vector<bool> members;
  members.reserve(paths.size());
  for (const std::string& path : paths)
    members.push_back(groups[keyOf(path)] % shard.count == shard.index);
  return members;
}
