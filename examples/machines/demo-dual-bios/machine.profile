# demo-dual-bios: the demo board running from its second BIOS ROM. The dual-BIOS controller
# answers status 0x04 (bit 2), so the program shows at start-up:
#   "You are currently using the second BIOS ROM, NORVA strongly recommend you to update your
#    BIOS via NORVA Veltra."
# Identified as board QB-7300E, BIOS 1.92; its BIOS reports major release 4, so the DMI test
# is true (the BIOS check looks the model up as QB-7300Exx).
include "../common/norva-board.inc"
byte 0xF1014 4

bios-ident "NORVA QB-7300"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "E7300CFW V1.9B2 061309"
smbus-device 0x4B 0x02 0x04

pci 02:00.0 0x10DE 0x0E9D 0x030000 0xA2
pci-subsystem 02:00.0 0xF157 0x7600
memory 0xC0000 0x8000 0x00
text 0xC0100 "NORVA7600 QB.7600-512\x00"
text 0xC0200 "Version 62.94.1A.00.07 \x00"
