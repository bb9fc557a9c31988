// The vantelle program's tools as whole processes, as a person runs them: vantelle parse (tsv and
// hex) and vantelle check on labels texts of 100,000 and 1,000,000 lines, against converting the
// same file from UTF-8 to UTF-16 with iconv, in one run on one machine. The commands take turns,
// fifteen runs each; the fastest run counts. Times are processor time (user and system) of the
// process, which other work on a shared machine disturbs far less than the time on the clock (shown
// beside it), though not at all: a shared machine's speed swings from minute to minute, and seven
// runs left ratios that moved by a tenth between runs of the program. The program ends with the
// ratios the goals are stated in.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "LabelsText.h"

extern char** environ;

namespace {

constexpr int kRuns = 15;
constexpr int kLineCounts[] = {100000, 1000000};

struct Measure {
  double clockSeconds = 1e9;
  double processorSeconds = 1e9;
  double peakMiB = 0;
};

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs the command with its output thrown away; false when it cannot be run or fails.
bool RunOnce(const std::vector<std::string>& command, Measure& measure) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  const double clock =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // vantelle check answers 1 when it has warnings to tell.
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return false;
  measure.clockSeconds = std::min(measure.clockSeconds, clock);
  measure.processorSeconds =
      std::min(measure.processorSeconds, Seconds(usage.ru_utime) + Seconds(usage.ru_stime));
  measure.peakMiB = std::max(measure.peakMiB, static_cast<double>(usage.ru_maxrss) / 1024);
  return true;
}

// Writes the text in a process of its own: a process's peak memory counts that of the process it
// was started from, which must therefore never hold a large text.
std::string WriteText(const std::filesystem::path& folder, int lines) {
  const std::string path = folder / ("labels-" + std::to_string(lines) + ".txt");
  const pid_t writer = fork();
  if (writer == 0) {
    std::ofstream(path, std::ios::binary) << MakeLabelsText(lines).GetUTF8String();
    _exit(0);
  }
  int status = 0;
  waitpid(writer, &status, 0);
  return path;
}

}  // namespace

int main() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "vantelle-command-bench";
  std::filesystem::create_directories(folder);
  const std::string vantelle = VANTELLE_PROGRAM;
  const std::map<std::string, std::vector<std::string>> commands = {
      {"iconv", {"iconv", "-f", "UTF-8", "-t", "UTF-16LE"}},
      {"parse tsv", {vantelle, "parse", "--format", "tsv"}},
      {"parse hex", {vantelle, "parse", "--format", "hex"}},
      {"check", {vantelle, "check"}},
  };

  std::map<std::pair<std::string, int>, Measure> measures;
  std::map<int, double> inputMiB;
  std::printf("%-10s %9s %10s %10s %8s %9s %8s\n", "command", "lines", "processor", "clock", "MB/s",
              "peak MiB", "x input");
  for (int lines : kLineCounts) {
    const std::string path = WriteText(folder, lines);
    const double bytes = static_cast<double>(std::filesystem::file_size(path));
    inputMiB[lines] = bytes / (1024 * 1024);
    // The commands take turns, so that a machine busy with other work slows each of them alike.
    for (int run = 0; run < kRuns; ++run) {
      for (const auto& [name, words] : commands) {
        std::vector<std::string> command = words;
        command.push_back(path);
        if (!RunOnce(command, measures[{name, lines}])) {
          std::fprintf(stderr, "cannot run %s\n", name.c_str());
          return 1;
        }
      }
    }
    for (const auto& entry : commands) {
      const Measure& measure = measures[{entry.first, lines}];
      std::printf("%-10s %9d %9.3fs %9.3fs %8.1f %9.1f %8.2f\n", entry.first.c_str(), lines,
                  measure.processorSeconds, measure.clockSeconds,
                  bytes / 1e6 / measure.processorSeconds, measure.peakMiB,
                  measure.peakMiB / inputMiB[lines]);
    }
  }
  std::filesystem::remove_all(folder);

  const auto time = [&](const char* name, int lines) {
    return measures[{name, lines}].processorSeconds;
  };
  const int most = kLineCounts[1];
  std::printf("\nparse tsv against iconv, %d lines (goal: at most 4): %.2f\n", most,
              time("parse tsv", most) / time("iconv", most));
  std::printf("parse hex against iconv, %d lines (goal: at most 4): %.2f\n", most,
              time("parse hex", most) / time("iconv", most));
  std::printf("check against parse tsv, %d lines (goal: at most 2): %.2f\n", most,
              time("check", most) / time("parse tsv", most));
  for (const char* name : {"parse tsv", "parse hex", "check"}) {
    std::printf("%s, ten times the lines (goal: at most 11): %.2f\n", name,
                time(name, most) / time(name, kLineCounts[0]));
  }
  return 0;
}
