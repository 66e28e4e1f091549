# Lays out the EXAMPLES section of a man page made by help2man as --help shows it: one paragraph
# per example (help2man runs lines of the same indent together into one), each line as written,
# and an example that goes on after a "\" at the end of its line indented on the next.
/^\.SH/ { examples = ($0 == ".SH EXAMPLES"); continued = 0; print; next }
examples && /^\.(IP|PP|TP|HP|br)$/ { next }
examples {
    if (continued) print "    " $0
    else print ".PP\n.nf\n" $0
    continued = /\\e$/
    if (!continued) print ".fi"
    next
}
{ print }
