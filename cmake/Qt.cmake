# Qt 6 for a folder that builds Qt code (the Qt front end, the program on
# Linux, the Qt window tests, the benchmarks' Qt dialog): each includes this
# file, so that Qt is found, and moc runs, there and not over the core or the
# back end.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
qt_standard_project_setup()
