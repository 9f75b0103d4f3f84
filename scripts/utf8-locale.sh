# Sourced by the scripts that run the tests or Wine: they run under a UTF-8
# locale of their own, whatever LANG and LC_ALL the caller has (unset, C,
# POSIX, another language). Under the C locale Wine cannot give Unix files
# non-ASCII names, and the tests create such files. Debian always has
# C.UTF-8; only this script's processes see the change.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
