// parcyl-calc end to end: the real program, its streams and exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

// Runs parcyl-calc with the arguments and the given LANG, nothing else of
// the environment that could change the decimal mark.
Outcome RunParcylCalc(const std::vector<std::string>& arguments, const char* lang = "ru_RU.UTF-8") {
  char out_path[] = "/tmp/parcyl-calc-out.XXXXXX";
  char err_path[] = "/tmp/parcyl-calc-err.XXXXXX";
  const int out_fd = mkstemp(out_path);
  const int err_fd = mkstemp(err_path);
  std::vector<char*> argv{const_cast<char*>(PARCYL_CALC_PATH)};
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out_fd, 1);
    dup2(err_fd, 2);
    unsetenv("LC_ALL");
    unsetenv("LC_NUMERIC");
    setenv("LANG", lang, 1);
    execv(PARCYL_CALC_PATH, argv.data());
    _exit(127);
  }
  int wait_status = 0;
  waitpid(pid, &wait_status, 0);
  close(out_fd);
  close(err_fd);
  Outcome outcome;
  outcome.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
  outcome.out = ReadFile(out_path);
  outcome.err = ReadFile(err_path);
  unlink(out_path);
  unlink(err_path);
  return outcome;
}

TEST(ParcylCalc, CompletedRunPrintsTheLabelsInOrder) {
  const Outcome o = RunParcylCalc({"1000", "2000", "1296"});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(o.out,
            "Размеры антенны\n"
            "Размер раскрыва антенны D =  1000 мм\n"
            "Фокусное расстояние         F =  363 мм\n"
            "Глубина рефлектора          H =  171 мм\n"
            "Длина рабочей волны         L =  23 см\n"
            "Площадь полотна антенны S =  20000 кв. см\n"
            "К.н.д антенны  = 304 раз = 24 децибелл\n"
            "Координаты точек для построения параболы\n"
            "      1     2     3     4     5      6       7       8        9      10      11     12\n"
            "X    2     5   10   20   30   50    100   200   300  400    500    600\n"
            "Y     53    85   120   170   208   269     381     539      660    762     852      934\n"
            "Все размеры в миллиметрах\n");
}

TEST(ParcylCalc, TraceShowsEveryEventInOrder) {
  const Outcome o = RunParcylCalc({"--trace", "--", "1000", "-2000", "1296"});
  EXPECT_EQ(o.status, 0);  // math boxes do not end the run
  EXPECT_EQ(o.out.substr(0, o.out.find('\n', o.out.find('\n') + 1) + 1),
            "box\tlog10: DOMAIN error\nlabel\tLabel3\tРазмеры антенны\n");
  const Outcome e = RunParcylCalc({"--trace", "1000", "2000", "a\tb"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.out, "error\t'a\\tb' is not a valid floating point value.\n");
}

TEST(ParcylCalc, EndedRunsAndUsageErrors) {
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {{"1000", "", "1296"}, 1, "", "Введите величину раскрыва антенны в мм\n"},
      {{"--trace", "", "", ""}, 1, "prompt\tВведите величину раскрыва антенны в мм\n", ""},
      {{"1000", "2000", "0"}, 1, "", "Floating point division by zero.\n"},
      {{"abc", "2000", "1296"}, 1, "", "'abc' is not a valid floating point value.\n"},
      {{"1000", "2000"}, 2, "",
       "parcyl-calc: expected 3 values (D W f), got 2\nusage: parcyl-calc [--mark C] [--trace] [--] D W f\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = RunParcylCalc(c.arguments);
    EXPECT_EQ(o.status, c.status) << c.err;
    EXPECT_EQ(o.out, c.out);
    EXPECT_EQ(o.err, c.err);
  }
}

// The mark follows the locale unless --mark says otherwise.
TEST(ParcylCalc, DecimalMarkFromLocaleOrOption) {
  EXPECT_NE(RunParcylCalc({"1000,5", "2000", "1296"}, "ru_RU.UTF-8").out.find("D =  1000,5 мм"), std::string::npos);
  EXPECT_NE(RunParcylCalc({"1000.5", "2000", "1296"}, "en_US.UTF-8").out.find("D =  1000.5 мм"), std::string::npos);
  EXPECT_EQ(RunParcylCalc({"1000,5", "2000", "1296"}, "en_US.UTF-8").status, 1);
  EXPECT_NE(RunParcylCalc({"--mark", ".", "1000.5", "2000", "1296"}, "ru_RU.UTF-8").out.find("D =  1000.5 мм"),
            std::string::npos);
}

TEST(ParcylCalc, HelpDescribesTheTraceFormatAndUnits) {
  const Outcome o = RunParcylCalc({"--help"});
  EXPECT_EQ(o.status, 0);
  for (const char* piece : {"label<TAB>LabelN<TAB>text", "box<TAB>text", "focal length", "sq. cm", "MHz", "Exit status"}) {
    EXPECT_NE(o.out.find(piece), std::string::npos) << piece;
  }
}

}  // namespace
