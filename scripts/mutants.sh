#!/usr/bin/env bash
# Plants simple faults, one at a time, in the lines of src/ changed since the commit BASE (in the
# folders that build natively: not src/platform/win32, not src/main.cpp), rebuilds the native
# unit tests for each, runs them and puts the line back. Prints each fault with the first test
# that caught it, or SURVIVED, then the score. A fault that does not compile is listed and not
# counted. The tree is left as it was found, also when stopped with Ctrl-C.
#
#   scripts/mutants.sh BASE [MAX]     MAX: at most this many faults, taken evenly from the list
#
# The faults: a comparison flipped or loosened (== !=, < <=, > >=), && and || swapped, a
# condition negated, a `return;` or an assignment dropped, true and false swapped in a return,
# a `+ 1` or `- 1` removed. Builds without sanitizers, in $VX_BUILD/mutants (default
# build/mutants), so that each fault costs one file's compile and a link.
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:?usage: scripts/mutants.sh BASE [MAX]}
max=${2:-0}
git rev-parse --verify -q "$base^{commit}" >/dev/null || { echo "no such commit: $base" >&2; exit 2; }
out=${VX_BUILD:-build}/mutants
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=OFF >/dev/null
folders=(src/app src/settings src/tools src/folders src/player src/platform/ui)
for f in src/platform/*.h; do folders+=("$f"); done
git diff -U0 "$base" -- "${folders[@]}" >"$out/changes.diff"

exec perl - "$out" "$max" <<'PERL'
use strict;
use warnings;
my ($out, $max) = @ARGV;
$| = 1;

# The lines each file gained since BASE.
my (%changed, $file);
open(my $diff, '<', "$out/changes.diff") or die;
while (<$diff>) {
    if (/^\+\+\+ b\/(.*)$/) { $file = $1; next; }
    next unless defined $file && /^@@ -\S+ \+(\d+)(?:,(\d+))? @@/;
    my ($start, $count) = ($1, defined $2 ? $2 : 1);
    push @{$changed{$file}}, $start .. $start + $count - 1;
}
close $diff;

sub readLines { open(my $h, '<', $_[0]) or die "$_[0]: $!"; local $/; my $t = <$h>; return split /(?<=\n)/, $t; }
sub writeLines { my $f = shift; open(my $h, '>', $f) or die "$f: $!"; print $h @_; close $h; }

# The line with string and character literals and comments blanked, so that only code matches.
sub codeOf {
    my ($line) = @_;
    (my $code = $line) =~ s/("(?:\\.|[^"\\])*"|'(?:\\.|[^'\\])*')/'#' x length($1)/ge;
    $code =~ s/(\/\/.*)$/'#' x length($1)/e;
    return $code;
}

# Every fault one line can take: [description, the line with the fault].
sub faultsOf {
    my ($line) = @_;
    my $code = codeOf($line);
    return () if $code =~ /^\s*(#|$)/ || $code =~ /^\s*(static_assert|template|using|namespace|case )/;
    my @faults;
    my $swap = sub {
        my ($from, $to) = @_;
        my $at = 0;
        while ((my $i = index($code, $from, $at)) >= 0) {
            my $m = $line;
            substr($m, $i, length $from) = $to;
            (my $f = $from) =~ s/^ | $//g;
            (my $t = $to) =~ s/^ | $//g;
            push @faults, [$t eq '' ? "'$f' removed" : "'$f' -> '$t'", $m];
            $at = $i + length $from;
        }
    };
    $swap->(' == ', ' != ');
    $swap->(' != ', ' == ');
    $swap->(' <= ', ' < ');
    $swap->(' >= ', ' > ');
    $swap->(' < ', ' <= ');
    $swap->(' > ', ' >= ');
    $swap->(' && ', ' || ');
    $swap->(' || ', ' && ');
    for my $op (' + 1', ' - 1') {
        my $at = 0;
        while ((my $i = index($code, $op, $at)) >= 0) {
            $at = $i + length $op;
            next if substr($code, $at, 1) =~ /[\w.]/;
            my $m = $line;
            substr($m, $i, length $op) = '';
            (my $o = $op) =~ s/^ //;
            push @faults, ["'$o' removed", $m];
        }
    }
    # A condition negated: the whole parenthesis after if or while, when it closes on this line.
    if ($code =~ /\b(if|while) \(/g) {
        my $open = pos($code) - 1;
        my ($depth, $close) = (0, -1);
        for my $i ($open .. length($code) - 1) {
            my $c = substr($code, $i, 1);
            $depth++ if $c eq '(';
            if ($c eq ')' && --$depth == 0) { $close = $i; last; }
        }
        if ($close > $open) {
            my $m = substr($line, 0, $open + 1) . '!(' . substr($line, $open + 1, $close - $open - 1) . ')'
                . substr($line, $close);
            push @faults, ["condition negated", $m];
        }
    }
    (my $indent = $line) =~ s/^(\s*).*\n?$/$1/s;
    if ($code =~ /^\s*return;\s*$/) {
        push @faults, ["'return' dropped", "$indent;\n"];
    }
    if ($code =~ /^\s*return (true|false);\s*$/) {
        my ($was, $m) = ($1, $line);
        my $other = $was eq 'true' ? 'false' : 'true';
        $m =~ s/\breturn $was;/return $other;/;
        push @faults, ["'return $was' -> 'return $other'", $m];
    }
    if ($code =~ /^\s*(\*?[A-Za-z_]\w*(?:(?:\.|->|::)[A-Za-z_]\w*|\[[^\]]*\])*)\s*(=|\+=|-=|\|=|&=) (?!=).*;\s*$/
        || $code =~ /^\s*(\+\+|--)?[A-Za-z_][\w.>\-]*(\+\+|--)?;\s*$/ && ($1 || $2)) {
        push @faults, ["assignment dropped", "$indent;\n"];
    }
    return @faults;
}

my @mutants;
for my $f (sort keys %changed) {
    next unless $f =~ /\.(cpp|h)$/ && -f $f;
    my @lines = readLines($f);
    for my $n (@{$changed{$f}}) {
        next if $n < 1 || $n > @lines;
        push @mutants, [$f, $n, @$_] for faultsOf($lines[$n - 1]);
    }
}
if ($max > 0 && @mutants > $max) {
    my @taken;
    push @taken, $mutants[int($_ * @mutants / $max)] for 0 .. $max - 1;
    @mutants = @taken;
}
print scalar(@mutants), " faults to plant\n";
exit 0 unless @mutants;

my $tests = "$out/tests/unit/vx_unit_tests";
sub stop { restore(); print "\nstopped; the tree is as it was\n"; exit 130; }
# system() ignores Ctrl-C while its child runs: a child ended by it stops the run too.
sub build {
    my $ok = system("cmake --build '$out' --target vx_unit_tests -j2 >'$out/build.log' 2>&1") == 0;
    stop() if ($? & 127) == 2;
    return $ok;
}
# The first failing test, or undef when all passed.
sub failingTest {
    my $log = `timeout 120 '$tests' --gtest_brief=1 2>&1`;
    my $status = $? >> 8;
    return undef if $status == 0;
    return $1 if $log =~ /^\[  FAILED  \] (\S+)/m;
    return $status == 124 ? "(the run hung)" : "(the run ended with $status)";
}

build() or die "the tree as it is does not build: see $out/build.log\n";
defined failingTest() and die "the tests fail without any fault planted\n";

# What is planted now, to be put back whatever happens.
my ($plantedFile, @original);
sub restore {
    return unless defined $plantedFile;
    writeLines($plantedFile, @original);
    undef $plantedFile;
}
$SIG{INT} = $SIG{TERM} = $SIG{HUP} = \&stop;
END { restore(); }

my ($caught, $survived, $uncompiled) = (0, 0, 0);
for my $m (@mutants) {
    my ($f, $n, $what, $line) = @$m;
    @original = readLines($f);
    my @mutated = @original;
    $mutated[$n - 1] = $line;
    $plantedFile = $f;
    writeLines($f, @mutated);
    my $verdict;
    if (!build()) {
        $verdict = "did not compile (not counted)";
        $uncompiled++;
    } elsif (defined(my $test = failingTest())) {
        $verdict = "caught by $test";
        $caught++;
    } else {
        $verdict = "SURVIVED";
        $survived++;
    }
    restore();
    print "$f:$n  $what  -> $verdict\n";
}
build(); # the build folder matches the tree again
my $counted = $caught + $survived;
printf "score: %d of %d caught (%d%%), %d survived, %d did not compile\n", $caught, $counted,
    $counted ? 100 * $caught / $counted : 0, $survived, $uncompiled;
PERL
