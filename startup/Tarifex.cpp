// Tarifex: the price lookup screen.

#include "Startup.h"
#include "UTarifex.h"

int main(int argc, char** argv)
{
    return tfx::runTarifex(argc, argv, [] { return std::make_unique<tfx::TFTarifex>(); });
}
