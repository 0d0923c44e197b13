// Program entry: the application object, the long-lived windows and the message loop.
#pragma once

int UruchomProgram(int argc, char** argv);
