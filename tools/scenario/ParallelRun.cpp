#include "ParallelRun.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "Coverage.h"
#include "pictures/ConfinedFiles.h"

namespace {

// Standard input, at most the size of a scenario file.
bool ReadStandardInput(std::string& text, std::string& error) {
  text.clear();
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    text.append(buffer, got);
    if (text.size() > LargestScenarioFile) {
      error = "stdin:1:1: cannot read the file: it is larger than " +
              std::to_string(LargestScenarioFile >> 20) + " MiB";
      return false;
    }
  }
  if (std::ferror(stdin)) {
    error = std::string("stdin:1:1: cannot read the file: ") + std::strerror(errno);
    return false;
  }
  return true;
}

TFileReport RunOne(const TRunPlan& plan, const std::string& file) {
  const auto start = std::chrono::steady_clock::now();
  TScenario scenario;
  std::string error;
  if (!LoadScenarioFile(file, plan.Options, scenario, error)) return RefusedReport(file, error);
  TScenarioResult result;
  TCoverage coverage;
  if (!plan.CheckOnly) {
    std::unique_ptr<TCoverageListener> listener;
    if (plan.Coverage) listener = std::make_unique<TCoverageListener>(coverage);
    result = RunScenario(scenario, plan.Options);
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  TFileReport report = RunReport(file, scenario, result, took.count());
  report.Coverage = coverage;
  return report;
}

void WriteAll(int fd, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) _exit(2);
    done += static_cast<size_t>(n);
  }
}

volatile sig_atomic_t Stopping = 0;
int Wake[2] = {-1, -1};

void WorkerStopped(int) {
  RemovePartFilesNow();
  _exit(2);
}

void Stopped(int signal) {
  if (Stopping == 0) Stopping = signal;
  RemovePartFilesNow();
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(Wake[1], &byte, 1);
}

// A worker: takes the next file not yet taken (the counter is shared by the
// workers), each report as "INDEX SIZE\n" and the bytes.
[[noreturn]] void Work(const TRunPlan& plan, std::atomic<size_t>& next, int out) {
  std::signal(SIGTERM, WorkerStopped);
  std::signal(SIGINT, WorkerStopped);
  for (size_t i; (i = next.fetch_add(1)) < plan.Files.size();) {
    const std::string packed = Pack(RunOne(plan, plan.Files[i]));
    WriteAll(out, std::to_string(i) + " " + std::to_string(packed.size()) + "\n" + packed);
  }
  close(out);
  _exit(0);
}

struct TWorker {
  pid_t Pid = -1;
  int Fd = -1;
  std::string Buffer;
};

// Takes the whole records at the start of the buffer.
void Take(TWorker& w, std::vector<TFileReport>& reports, std::vector<bool>& have) {
  for (;;) {
    const size_t eol = w.Buffer.find('\n');
    if (eol == std::string::npos) return;
    size_t index = 0, size = 0;
    if (std::sscanf(w.Buffer.c_str(), "%zu %zu", &index, &size) != 2 || index >= reports.size())
      return;
    if (w.Buffer.size() < eol + 1 + size) return;
    TFileReport report;
    if (Unpack(w.Buffer.substr(eol + 1, size), report)) {
      reports[index] = std::move(report);
      have[index] = true;
    }
    w.Buffer.erase(0, eol + 1 + size);
  }
}

}  // namespace

bool LoadScenarioFile(const std::string& file, const TScenarioOptions& options, TScenario& scenario,
                      std::string& error) {
  if (file != "-") return LoadScenario(file, options, scenario, error);
  std::string text;
  return ReadStandardInput(text, error) && ParseScenario(text, "stdin", options, scenario, error);
}

int RunFiles(const TRunPlan& plan, std::vector<TFileReport>& reports,
             const std::function<void(const TFileReport&)>& print) {
  const size_t count = plan.Files.size();
  reports.assign(count, TFileReport{});
  std::vector<bool> have(count, false);
  const size_t jobs = std::max<size_t>(1, std::min<size_t>(plan.Jobs, count));
  if (pipe2(Wake, O_CLOEXEC) != 0) return SIGTERM;
  struct sigaction action {};
  action.sa_handler = Stopped;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  std::fflush(stdout);
  std::fflush(stderr);
  void* shared = mmap(nullptr, sizeof(std::atomic<size_t>), PROT_READ | PROT_WRITE,
                      MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) return SIGTERM;
  auto* next = new (shared) std::atomic<size_t>(0);
  std::vector<TWorker> workers(jobs);
  for (size_t k = 0; k < jobs; ++k) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) break;
    const pid_t pid = fork();
    if (pid == 0) {
      close(ends[0]);
      for (size_t j = 0; j < k; ++j) close(workers[j].Fd);
      Work(plan, *next, ends[1]);
    }
    close(ends[1]);
    if (pid < 0) {
      close(ends[0]);
      break;
    }
    workers[k] = {pid, ends[0], {}};
  }
  size_t printed = 0;
  for (;;) {
    std::vector<pollfd> fds{{Wake[0], POLLIN, 0}};
    std::vector<TWorker*> of{nullptr};
    for (TWorker& w : workers)
      if (w.Fd >= 0) fds.push_back({w.Fd, POLLIN, 0}), of.push_back(&w);
    if (fds.size() == 1 || Stopping) break;
    if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
    for (size_t f = 1; f < fds.size(); ++f) {
      if (fds[f].revents == 0) continue;
      TWorker& w = *of[f];
      char buffer[65536];
      const ssize_t n = read(w.Fd, buffer, sizeof buffer);
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n <= 0) {
        close(w.Fd);
        w.Fd = -1;
        continue;
      }
      w.Buffer.append(buffer, static_cast<size_t>(n));
      Take(w, reports, have);
    }
    while (printed < count && have[printed]) print(reports[printed++]);
  }
  if (Stopping)
    for (const TWorker& w : workers)
      if (w.Pid > 0) kill(w.Pid, SIGTERM);
  for (TWorker& w : workers) {
    if (w.Fd >= 0) close(w.Fd);
    int status = 0;
    if (w.Pid > 0) waitpid(w.Pid, &status, 0);
  }
  munmap(shared, sizeof(std::atomic<size_t>));
  if (Stopping) {
    std::vector<TFileReport> ended;
    for (size_t i = 0; i < count; ++i)
      if (have[i]) {
        if (i >= printed) print(reports[i]);
        ended.push_back(reports[i]);
      }
    reports = ended;
    return Stopping;
  }
  // A worker that ended before its files did (it crashed or was killed).
  for (size_t i = printed; i < count; ++i) {
    if (!have[i])
      reports[i] = RefusedReport(
          plan.Files[i],
          Printable(plan.Files[i]) + ":1:1: the worker process running it ended before it did");
    print(reports[i]);
  }
  return 0;
}
