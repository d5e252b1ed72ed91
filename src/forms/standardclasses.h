#pragma once
// Registers the control classes layout descriptions can create by name. Called once at
// start-up (and by tests); registering again is harmless.

void RegisterStandardClasses();
