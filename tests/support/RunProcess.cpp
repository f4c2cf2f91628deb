#include "support/RunProcess.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env, int seconds,
                         const std::string& workingFolder) {
  ProcessResult result;
  result.command = program;
  for (const std::string& arg : args) result.command += " " + arg;

  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : env)
    environment.insert(QString::fromStdString(name), QString::fromStdString(value));
  process.setProcessEnvironment(environment);
  if (!workingFolder.empty()) process.setWorkingDirectory(QString::fromStdString(workingFolder));

  QStringList arguments;
  for (const std::string& arg : args) arguments.append(QString::fromStdString(arg));
  process.start(QString::fromStdString(program), arguments);

  if (!process.waitForStarted(seconds * 1000)) {
    result.err = "cannot start " + program + ": " + process.errorString().toStdString();
    return result;
  }
  if (!process.waitForFinished(seconds * 1000)) {
    process.kill();
    process.waitForFinished(-1);
    result.err = "killed after " + std::to_string(seconds) + " s";
    ADD_FAILURE() << result.command << ": still running after " << seconds << " s, killed";
    return result;
  }
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  if (process.exitStatus() == QProcess::NormalExit) result.exitCode = process.exitCode();
  return result;
}

ProcessResult RunCliProcess(const std::vector<std::string>& args,
                            const std::map<std::string, std::string>& env, int seconds,
                            const std::string& workingFolder) {
  return RunProcess(SONDREL_CLI_PATH, args, env, seconds, workingFolder);
}

testing::AssertionResult Succeeded(const ProcessResult& result) {
  if (result.exitCode == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << result.command << "\n  exit code " << result.exitCode << "\n  " << result.err;
}
