#include "support/RunProcess.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& env) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : env)
    environment.insert(QString::fromStdString(name), QString::fromStdString(value));
  process.setProcessEnvironment(environment);

  QStringList arguments;
  for (const std::string& arg : args) arguments.append(QString::fromStdString(arg));
  process.start(QString::fromStdString(program), arguments);

  ProcessResult result;
  if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) return result;
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  if (process.exitStatus() == QProcess::NormalExit) result.exitCode = process.exitCode();
  return result;
}

ProcessResult RunCliProcess(const std::vector<std::string>& args,
                            const std::map<std::string, std::string>& env) {
  return RunProcess(SONDREL_CLI_PATH, args, env);
}
