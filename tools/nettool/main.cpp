// nettool: the HTTP client from the command line, as the online checks use it.
#include <iostream>
#include <string>
#include <vector>

#include "NetTool.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunNetTool(arguments, std::cout, std::cerr);
}
