#include "app/build_config.h"
#include "app/program.h"

int main(int argc, char** argv) { return zel::run_program(zel::kGrad601Build, argc, argv); }
