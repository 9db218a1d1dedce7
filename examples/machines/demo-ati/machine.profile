# demo-ati: the demo board with a Norva-built card with an ATI chip. Identified as
#   board QB-7100, BIOS 1.20; card: vendor ATI, sBIOSText QB-5300, sModelNo 5300-1GD3,
#   video BIOS 011.020.000.004.000000, nDeviceID 0x9E5C (card list name "QB-5300 1GB GDDR3").
include "../common/norva-board.inc"

bios-ident "NORVA QB-7100"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A7100CFW V1.2 031510"
smbus-device 0x4B 0x02 0x01

pci 02:00.0 0x1002 0x9E5C 0x030000
pci-subsystem 02:00.0 0xF157 0x5300
memory 0xC0000 0x10000 0x00
bytes 0xC0000 55 AA 80
text 0xC0080 "NORVA5300 QB.5300-1GD3 Norva graphics card BIOS\x00"
# The ATI banner near the end of the window's last block: still inside its 256 bytes.
text 0xCFF00 "ATOMBIOSBK-ATI VER011.020.000.004.000000\x00"
card-list 9E5C "QB-5300 1GB GDDR3"
