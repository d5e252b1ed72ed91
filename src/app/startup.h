#pragma once
// The program's start-up sequence, in its binding order: application paths and switches,
// the configuration, the title, the installed-file check (no-go ends the process without a
// window and without saving), then the long-lived windows; the configuration is saved when
// the main window closes.

int RunPapyra(int argc, char **argv);
