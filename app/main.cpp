#include "app/program.h"

int main(int argc, char** argv) {
    return quarvo::runProgram(argc, argv);
}
