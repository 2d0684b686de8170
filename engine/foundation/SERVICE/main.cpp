// The program's entry: static construction has registered the game's entry
// function; main only runs it.
#include "engine/foundation/SERVICE/register_application.h"

int main() { return ORB::ToProcessExitStatus(ORB::RunEntryHook()); }
