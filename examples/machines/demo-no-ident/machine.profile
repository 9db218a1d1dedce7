# demo-no-ident: the BIOS-access driver answers (the board counts as identified) but its
# identification string does not start with A or E, so it does not parse: model and version
# stay empty and the management-instrumentation fallback fills all three BIOS fields
# (under Wine: Wine's own Win32_BIOS and Win32_BaseBoard values).
include "../common/norva-board.inc"

bios-ident "NORVA"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "X7100CFW V1.2 031510"
smbus-device 0x4B 0x02 0x00

pci 02:00.0 0x10DE 0x0E9D 0x030000 0xA2
pci-subsystem 02:00.0 0xF157 0x7600
memory 0xC0000 0x8000 0x00
text 0xC0100 "NORVA7600 QB.7600-512\x00"
text 0xC0200 "Version 62.94.1A.00.07 \x00"
