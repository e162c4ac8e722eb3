#include "app/window/host_application.h"

int main(int argc, char** argv)
{
    return vesk::app::RunHost(argc, argv);
}
