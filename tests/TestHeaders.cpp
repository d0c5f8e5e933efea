// Compiles the test programs' shared precompiled header once; it holds no code of its own.
