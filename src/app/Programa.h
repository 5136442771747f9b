#pragma once
// Starts the application and runs its message loop; kept out of main.cpp so
// that main only starts the program.
int ExecutaPrograma(int argc, char *argv[]);
