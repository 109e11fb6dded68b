#include "app/StartUp.h"

int main(int argc, char* argv[])
{
    return RunStartUp(argc, argv);
}
