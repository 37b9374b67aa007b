// The resources themselves are attached to this library by qt_add_resources in CMakeLists.txt.
