include "board.inc"
memory 0xC0000 0x100 0x20
bytes 0xC0000 55 AA 01
text 0xC0010 "NORVA\x00QB.1"
byte 0xC0020 1
word 0xC0022 0x1234
dword 0xC0024 0x12345678
unserved fail
pci 02:00.0 0x10DE 0x0E9D 0x030000 0xA2
pci-subsystem 02:00.0 0xF157 0x7600
pci-dword 02:00.0 0x0C 0x00800000
port 0x80 0x5A
smbus-host 0x0400
smbus-device 0x4B 0x02 0x04
bios-ident "NORVA"
bios-info 2 "A7100CFW V1.2 031510"
bios-info-value 7
fail-start porvik
fail-request norvabios 0x222020
short-reply porvik 0xC3506104 16
missing-driver norvabios
windows win7
registry "HKLM\SOFTWARE\Test" Name "value"
registry-dword "HKCU\Software\Test" Count 3
work-file cards.rec VT5\DL_INFO\cards.rec
card-list 0E9D "QB-7600 512MB"
