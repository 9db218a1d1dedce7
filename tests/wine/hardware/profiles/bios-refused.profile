# The I/O driver loads; the BIOS-access driver refuses to start.
port 0x80 0x5A
fail-start norvabios
