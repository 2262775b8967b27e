#include "app/DivePlannerApp.h"

int main(int argc, char** argv) { return app::RunVelmarTessaline(argc, argv); }
