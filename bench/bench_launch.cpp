// Starts each given program several times, in turns, with its spawn time on the
// steady clock in BENCH_T0_NS, and prints the median of every "name value" line
// the programs print. Usage: bench_launch ROUNDS PROGRAM...

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Figures = std::map<std::string, std::vector<double>>;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void addFigures(const std::string& output, Figures& figures)
{
    std::istringstream lines(output);
    std::string name;
    double value = 0;
    while (lines >> name >> value)
        figures[name].push_back(value);
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    return text;
}

// The environment of this process, plus the spawn time on the steady clock.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable)
        environment.emplace_back(*variable);
    const auto t0 = std::chrono::steady_clock::now().time_since_epoch();
    environment.push_back("BENCH_T0_NS="
                          + std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(t0).count()));
    return environment;
}

// One run of program; false when it could not start or did not exit cleanly.
bool runOnce(const char* program, Figures& figures)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    // Qt's start-up notes would drown the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> environment = childEnvironment();
    std::vector<char*> envp;
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    const std::string output = spawned == 0 ? readAll(pipeEnds[0]) : std::string();
    close(pipeEnds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    addFigures(output, figures);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    Figures figures;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 2; i < argc; ++i) {
            if (!runOnce(argv[i], figures)) {
                std::fprintf(stderr, "%s failed or did not finish\n", argv[i]);
                return 1;
            }
        }
    }
    for (const auto& [name, values] : figures)
        std::printf("%s %.3f\n", name.c_str(), median(values));
    std::printf("rounds %d\n", rounds);
    return 0;
}
