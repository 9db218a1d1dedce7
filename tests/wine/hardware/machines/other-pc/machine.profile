# A second machine for the prepare-machine test: another Windows, another work folder, the
# port and memory I/O driver missing, no card list and no NVIDIA driver.
windows winxp
registry "HKLM\SOFTWARE\Norva\Veltra Series" WorkDir "D:\Other"
missing-driver porvik
bios-ident "NORVA"
