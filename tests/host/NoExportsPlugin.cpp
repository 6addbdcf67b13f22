// A shared library without the plug-in exports: the loader must skip it.
extern "C" __attribute__((visibility("default"))) int NotAPlugin() { return 1; }
