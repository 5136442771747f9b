#include "app/Programa.h"

int main(int argc, char *argv[])
{
    return ExecutaPrograma(argc, argv);
}
