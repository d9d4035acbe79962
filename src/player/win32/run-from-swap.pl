#!/usr/bin/perl
# run-from-swap.pl PROGRAM.exe
# Sets the two flags of a Windows program's file header that make Windows copy it into
# memory when it starts from removable media or the network: a disc taken out, or a
# share that goes away, then cannot stop it. The linker has no option for them.
use strict;
use warnings;

my $file = shift or die "usage: run-from-swap.pl PROGRAM.exe\n";
open(my $exe, '+<:raw', $file) or die "$file: $!\n";
my $bytes;
seek($exe, 0x3C, 0) and read($exe, $bytes, 4) == 4 or die "$file: too short\n";
my $header = unpack('V', $bytes);
seek($exe, $header, 0) and read($exe, $bytes, 4) == 4 and $bytes eq "PE\0\0" or die "$file: not a Windows program\n";
my $characteristics = $header + 22;
seek($exe, $characteristics, 0) and read($exe, $bytes, 2) == 2 or die "$file: too short\n";
# IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP and IMAGE_FILE_NET_RUN_FROM_SWAP
my $flags = unpack('v', $bytes) | 0x0400 | 0x0800;
seek($exe, $characteristics, 0) and print $exe pack('v', $flags) or die "$file: $!\n";
close($exe) or die "$file: $!\n";
