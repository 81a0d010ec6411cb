"""Slip forms of the account and stock documents: statement, renewal notice,
account history, purchase history, stock received and purchase order.

These are page documents first (a client or a supplier keeps them); a shop
whose mail printer is a slip printer gets them on the roll, laid out like
the receipts: the shop block, the facts as label and value, one line an
item, and the totals that matter in double size.
"""


def _facts(g, width, facts):
    return [g.label_line(label, field, width) for label, field in facts]


def _party(g, width, label, fields):
    f = g.f
    return [label] + ["{-%d}%s" % (width, f(field)) for field in fields]


def _printed(g, width):
    return g.label_line("Printed", "printdate", width - 9) + " [8]" + g.f("printtime")


def _end(lines):
    return "\n".join(lines + ["", "", "<CUT>"]) + "\n"


def _listing(g, width, wide, narrow):
    """A heading line and the item line from (heading, field, width) columns;
    a negative width is left-aligned, the description wraps under itself and
    a column without a field is a gap. The 40-column slip takes the narrow
    set."""
    columns = wide if width >= 80 else narrow
    heading = "".join(text.ljust(-w) if w < 0 else text.rjust(w) for text, _, w in columns).rstrip()
    item = ""
    for _, field, w in columns:
        if not field:
            item += " " * abs(w)
        elif field == "description":
            item += "{%d}%s" % (w, g.f(field))
        else:
            item += "[%d]%s" % (w, g.f(field))
    return heading, item + "\n"


def _account_head(g, width, title, facts):
    head = g.slip_shop(width, title)
    lines = _facts(g, width, facts)
    lines.append(g.rule(width))
    lines += _party(g, width, "Account holder:", ("client", "postal"))
    lines.append(_printed(g, width))
    return head + "\n".join(lines) + "\n"


def statement_slip(g, width):
    f = g.f
    head = _account_head(g, width, "STATEMENT",
                         [("Statement No.", "number"), ("Date", "shortdate"), ("Account", "acc")])
    heading, item = _listing(
        g, width,
        [("Date", "date", -12), ("Transaction", "description", -(width - 12 - 14)), ("Amount", "amount", 14)],
        [("Date", "date", -11), ("Transaction", "description", -15), ("Amount", "amount", 14)])
    head += "\n".join([g.rule(width), heading, g.rule(width)]) + "\n"
    ages = [("Current", "current"), ("30 days", "day30"), ("60 days", "day60"), ("90 days", "day90"),
            ("120 days +", "day120")]
    lines = [g.rule(width)] + [g.label_line(label, field, width, 14) for label, field in ages]
    half = width // 2
    lines += [g.rule(width), "<D><B>DUE[%d]%s</B></D>" % (half - 3, f("total")), g.rule(width),
              "<B>{-%d}%s</B>" % (width, f("handed")),
              "{-%d}%s" % (width, f("statefoot1")), "{-%d}%s" % (width, f("statefoot2")),
              "{-%d}%s" % (width, f("statefoot3"))]
    return head, item, _end(lines)


def renewal_slip(g, width):
    f = g.f
    head = _account_head(g, width, "RENEWAL NOTICE",
                         [("Reference", "number"), ("Date", "shortdate"), ("Account", "acc")])
    lines = [g.rule(width),
             "This item is due back or for renewal:",
             "<B>{-%d}%s</B>" % (width, f("description")),
             g.label_line("Due on", "expiry", width),
             g.rule(width),
             "Please return or renew it by that date.",
             "If you have already done so, thank you.",
             "<B>%s</B>" % f("aline1")]
    return head + "\n".join(lines) + "\n", "", _end([])


def trail_slip(g, width, title, wide, narrow):
    head = _account_head(g, width, title, [("Reference", "number"), ("Date", "shortdate"), ("Account", "acc")])
    heading, item = _listing(g, width, wide, narrow)
    head += "\n".join([g.rule(width), heading, g.rule(width)]) + "\n"
    return head, item, _end([g.rule(width)])


def journal_slip(g, width):
    return trail_slip(
        g, width, "ACCOUNT HISTORY",
        [("Date", "date", -12), ("Ref.", "ref", 8), ("", "", 2), ("Transaction", "description", -30),
         ("Amount", "amount", 14), ("Paid by/for", "crossref", 14)],
        [("Date", "date", -11), ("Transaction", "description", -15), ("Amount", "amount", 14)])


def audit_slip(g, width):
    return trail_slip(
        g, width, "PURCHASE HISTORY",
        [("Date", "date", -12), ("Item", "description", -44), ("Qty", "quantity", 10), ("Price", "amount", 14)],
        [("Date", "date", -11), ("Item", "description", -15), ("Price", "amount", 14)])


def delivery_slip(g, width, title, facts, before):
    head = g.slip_shop(width, title)
    lines = _facts(g, width, facts) + [g.rule(width)] + before + [_printed(g, width)]
    heading, item = _listing(
        g, width,
        [("Qty", "quantity", 10), ("", "", 2), ("Unit", "uom", -10), ("Description", "description", -(width - 22))],
        [("Qty", "quantity", 8), ("", "", 1), ("Unit", "uom", -7), ("Description", "description", -(width - 16))])
    head += "\n".join(lines + [g.rule(width), heading, g.rule(width)]) + "\n"
    return head, item


def stock_slip(g, width):
    head, item = delivery_slip(
        g, width, "STOCK RECEIVED",
        [("Delivery No.", "number"), ("Date", "shortdate"), ("Time", "time"), ("Received by", "sp")],
        ["Notes:", "{-%d}%s" % (width, g.f("notes"))])
    return head, item, _end([g.rule(width)])


def order_slip(g, width):
    f = g.f
    head, item = delivery_slip(
        g, width, "PURCHASE ORDER", [("Order No.", "number"), ("Date", "shortdate")],
        _party(g, width, "Supplier:", ("company", "postal"))
        + [g.label_line("Attention", "att", width), g.label_line("Tel", "phone", width)])
    lines = [g.rule(width), "Please confirm the delivery date and",
             "quote our order number on your invoice."]
    return head, item, _end(lines)


def build(g):
    """Writes the slip forms through gen-templates.py's emit()."""
    for width, suffix in ((80, ".slip"), (40, ".slip40")):
        for name, maker in (("Statement", statement_slip), ("Renewal", renewal_slip), ("Journal", journal_slip),
                            ("Audit", audit_slip), ("Stock", stock_slip), ("Order", order_slip)):
            g.emit("", name, maker(g, width), suffix)
