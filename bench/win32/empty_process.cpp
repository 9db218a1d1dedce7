// A console program that does nothing: the floor under every Wine process start.
int wmain() { return 0; }
