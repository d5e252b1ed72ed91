#include "startup.h"

int main(int argc, char **argv)
{
    return RunPapyra(argc, argv);
}
