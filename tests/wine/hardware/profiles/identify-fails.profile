# The BIOS driver starts but its identification request fails.
bios-ident "NORVA"
fail-request norvabios 0x222020
