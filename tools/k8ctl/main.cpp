// k8ctl: the mouse utility's portable core on the command line.
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return k8ctl::run(args);
}
