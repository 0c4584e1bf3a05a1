# shellcheck shell=bash
# Sourced by the bench scripts: perfect_code_bet QUINIELA FILE stores as FILE
# the 59,049 columns of the perfect ternary code over matches 1-13, match 14
# fixed. Per information word of ten free matches, three checks from the
# check matrix whose columns are the points of the plane over three elements.
perfect_code_bet() {
  awk 'BEGIN {
    split("0 0 1 1 1 1 1 1 1 1", a); split("1 1 0 0 1 1 1 2 2 2", b); split("1 2 1 2 0 1 2 0 1 2", c)
    for (info = 0; info < 59049; info++) {
      s1 = s2 = s3 = 0; rest = info
      for (j = 1; j <= 10; j++) {
        d = rest % 3; rest = int(rest / 3); w[j] = d
        s1 += d * a[j]; s2 += d * b[j]; s3 += d * c[j]
      }
      printf "%02d %s %s %s", info + 1, substr("1X2", (3 - s1 % 3) % 3 + 1, 1),
        substr("1X2", (3 - s2 % 3) % 3 + 1, 1), substr("1X2", (3 - s3 % 3) % 3 + 1, 1)
      for (j = 1; j <= 10; j++) printf " %s", substr("1X2", w[j] + 1, 1)
      print " 1"
    }
  }' | "$1" import --bet "$2"
}
