# demo-thirdparty: the demo board with an Intel display controller that the maker did not
# build. No "NORVA" banner in the video ROM, so the card's vendor, ROM text and model number
# stay empty; the Intel banner gives the video BIOS version 2089. Identified as board QB-7100,
# BIOS 1.20, nDeviceID 0xA7F3.
include "../common/norva-board.inc"

bios-ident "NORVA QB-7100"
bios-info 1 "Corvid Firmware Inc."
bios-info 2 "A7100CFW V1.2 031510"
smbus-device 0x4B 0x02 0x01

pci 02:00.0 0x8086 0xA7F3 0x030000
pci-subsystem 02:00.0 0x1E90 0x0001          # a third-party card maker (invented id)
memory 0xC0000 0x8000 0x00
bytes 0xC0000 55 AA 40
text 0xC0300 "SVGA compatible BIOS PC 2.0 Build Number: 2089 (simulated)\x00"
