"""The end-of-day templates: cash-up, waiter cash-up and period analysis.

Imported by gen-templates.py, whose helpers (shop block, table headings,
slip rules) these reports share with the other documents. Every report is a
table: a heading row, one row an item and a totals row that stands out; money
is right-aligned in columns of its own, and a negative figure prints with its
minus sign and nothing else.
"""

# Which report of a run a document is, as its facts name it.
CASHUP = {
    "Cashup1": "Accounts",
    "Cashup2": "Invoices",
    "Cashup3": "Receipts",
    "Cashup4": "Tenders",
    "Cashup5": "Items sold",
}
WAITER = {
    "Waiter1": "Invoices",
    "Waiter2": "Receipts",
    "Waiter3": "Hand-in",
    "Waiter4": "Paid to others",
}
ANALYSIS = {
    "Monthend1": "Daily summary",
    "Monthend2": "Departments",
    "Monthend3": "Tax and income",
}


class Pages:
    """Page templates: the shop block, a heading row, rows and a totals row."""

    def __init__(self, g):
        self.g = g

    def top(self, title, report, period_label, extra=()):
        f = self.g.f
        facts = [("Report", report)] + list(extra) + [
            (period_label, f("summary")),
            ("Printed", "%s %s" % (f("printdate"), f("printtime")))]
        return self.g.page_shop_block(title, facts)

    def table(self, columns):
        heads = "".join(self.g.th(text, align, width) for text, align, width in columns)
        return ('<table width="100%%" cellspacing="0" cellpadding="4">\n<tr bgcolor="%s">%s</tr>\n'
                % (self.g.INK, heads))

    def row(self, cells, columns):
        tds = "".join('<td align="%s" valign="top">%s</td>' % (align, cell)
                      for cell, (_, align, _w) in zip(cells, columns))
        return "<tr>%s</tr>\n" % tds

    def total_row(self, cells, columns):
        tds = "".join('<td align="%s"><font color="#ffffff"><b>%s</b></font></td>' % (align, cell)
                      for cell, (_, align, _w) in zip(cells, columns))
        return '<tr bgcolor="%s">%s</tr>\n' % (self.g.INK, tds)

    def figures(self, rows, width="60%"):
        """A panel of labelled figures; rows marked True stand out."""
        out = ['<table width="%s" cellspacing="0" cellpadding="4" bgcolor="%s">' % (width, self.g.PANEL)]
        for label, value, strong in rows:
            if strong:
                out.append('<tr bgcolor="%s"><td><font color="#ffffff" size="+1"><b>%s</b></font></td>'
                           '<td align="right"><font color="#ffffff" size="+1"><b>%s</b></font></td></tr>'
                           % (self.g.INK, label, value))
            else:
                out.append('<tr><td>%s</td><td align="right">%s</td></tr>' % (label, value))
        out.append("</table>")
        return "\n".join(out) + "\n"

    @staticmethod
    def end(text=""):
        return "%s</body>\n</html>\n" % text

    def report(self, title, report, period_label, columns, cells, totals, after="", extra=()):
        head = self.top(title, report, period_label, extra) + self.table(columns)
        item = self.row(cells, columns)
        tail = (self.total_row(totals, columns) if totals else "") + "</table>\n" + after
        return head, item, self.end(tail)


def signatures(soft):
    return ('<br>\n<table width="100%%" cellspacing="0" cellpadding="8">\n'
            '<tr><td width="50%%"><font color="%s">Counted by</font> ____________________</td>'
            '<td width="50%%"><font color="%s">Checked by</font> ____________________</td></tr>\n'
            '</table>\n' % (soft, soft))


def cashup_pages(g, taxes):
    p = Pages(g)
    f = g.f
    title = "CASH UP"
    out = {}
    cols = [("Acc.", "right", "10%"), ("Client", "left", "42%"), ("Invoiced", "right", "16%"),
            ("Received", "right", "16%"), ("Balance", "right", "16%")]
    out["Cashup1"] = p.report(title, CASHUP["Cashup1"], "Day", cols,
                              [f("acc"), f("client"), f("invoiced"), f("received"), f("balance")],
                              ["", "TOTAL", f("invoiced"), f("received"), f("balance")])

    cols = [("Doc. No.", "right", "10%"), ("Acc.", "right", "8%"), ("Client", "left", "34%"),
            ("Amount", "right", "16%"), ("Cost", "right", "16%")]
    cells = [f("number"), f("acc"), f("client"), f("amount"), f("cost")]
    totals = ["", "", "TOTAL", f("invoiced"), f("cost")]
    figures = [("Invoiced", f("invoiced"), False), ("Cost", f("cost"), False)]
    for n in range(1, taxes + 1):
        cols[2] = ("Client", "left", "%d%%" % (34 - 8 * n))
        cols.append((f("tax%dname" % n), "right", "12%"))
        cells.append(f("tax%d" % n))
        totals.append(f("tax%d" % n))
        figures.append((f("tax%dname" % n), f("tax%d" % n), False))
    figures += [("Margin %", f("margin"), False), ("GROSS PROFIT", f("profit"), True)]
    out["Cashup2"] = p.report(title, CASHUP["Cashup2"], "Day", cols, cells, totals,
                              '<br>\n<table width="100%"><tr><td width="40%"></td><td width="60%">\n'
                              + p.figures(figures, "100%") + "</td></tr></table>\n")

    cols = [("Rec. No.", "right", "12%"), ("Acc.", "right", "10%"), ("Client", "left", "40%"),
            ("Tender", "left", "18%"), ("Amount", "right", "20%")]
    out["Cashup3"] = p.report(title, CASHUP["Cashup3"], "Day", cols,
                              [f("number"), f("acc"), f("client"), f("type"), f("amount")],
                              ["", "", "TOTAL RECEIVED", "", f("received")])

    cols = [("Tender", "left", "50%"), ("Count", "right", "20%"), ("Amount", "right", "30%")]
    out["Cashup4"] = p.report(title, CASHUP["Cashup4"], "Day", cols,
                              [f("type"), f("count"), f("total")],
                              ["TOTAL TAKINGS", "", f("total")],
                              "<br>\n%s<br>\n%s" % (f("handover"), signatures(g.SOFT)))

    cols = [("Item", "left", "80%"), ("Quantity", "right", "20%")]
    out["Cashup5"] = p.report(title, CASHUP["Cashup5"], "Day", cols, [f("description"), f("quantity")], None,
                              '<br>\n<font color="%s" size="-1">End of the cash up.</font>\n' % g.SOFT)
    return out


def waiter_pages(g):
    p = Pages(g)
    f = g.f
    title = "WAITER CASH UP"
    waiter = [("Waiter", f("waiter"))]
    out = {}
    cols = [("Doc. No.", "right", "15%"), ("Client", "left", "60%"), ("Amount", "right", "25%")]
    for name, label in (("Waiter1", "TOTAL INVOICED"), ("Waiter2", "TOTAL RECEIVED")):
        out[name] = p.report(title, WAITER[name], "Day", cols, [f("no"), f("client"), f("amount")],
                             ["", label, f("total")], extra=waiter)

    head = p.top(title, WAITER["Waiter3"], "Day", waiter)
    item = ('<table width="100%" cellspacing="0" cellpadding="0"><tr>\n<td width="48%" valign="top">\n'
            + p.figures([("Invoices (%s)" % f("numinv"), f("totalinv"), False),
                         ("Receipts (%s)" % f("numrec"), f("totalrec"), False),
                         ("Cash taken", f("cash"), False),
                         ("Card, cheque, EFT and other", f("other"), False)], "100%")
            + '</td>\n<td width="4%"></td>\n<td width="48%" valign="top">\n'
            + p.figures([("Tips in cash", f("cashtip"), False),
                         ("Tips by other tenders", f("othertip"), False),
                         ("Total tips", f("totaltips"), False),
                         ("Tips as % of receipts", f("performance"), False)], "100%")
            + "</td>\n</tr></table>\n<br>\n"
            + p.figures([("CASH TO HAND IN", f("due"), True)], "100%")
            + '<font color="%s" size="-1">Cash taken less the tips paid by other tenders, '
              'which the waiter takes from the drawer.</font>\n' % g.SOFT)
    out["Waiter3"] = (head, item, p.end(signatures(g.SOFT)))

    cols = [("Doc. No.", "right", "9%"), ("Client", "left", "23%"), ("Amount", "right", "12%"),
            ("Taken by", "left", "12%"), ("Cash", "right", "11%"), ("Cash tip", "right", "11%"),
            ("Other", "right", "11%"), ("Other tip", "right", "11%")]
    out["Waiter4"] = p.report(title, WAITER["Waiter4"], "Day", cols,
                              [f("no"), f("client"), f("amount"), f("waiter"), f("cash"), f("cashtip"), f("other"),
                               f("othertip")],
                              ["", "TOTAL", "", "", f("cash"), f("cashtip"), f("other"), f("othertip")],
                              '<br>\n<table width="100%"><tr><td width="40%"></td><td width="60%">\n'
                              + p.figures([("Total tips", f("totaltips"), False),
                                           ("CASH DUE", f("due"), True)], "100%")
                              + "</td></tr></table>\n", extra=waiter)
    return out


def analysis_pages(g, taxes):
    p = Pages(g)
    f = g.f
    title = "ANALYSIS"
    out = {}
    cols = [("Day", "left", "16%"), ("Invoices", "right", "12%"), ("Invoiced", "right", "18%"),
            ("Received", "right", "18%"), ("Avg. invoice", "right", "18%"), ("Avg. receipt", "right", "18%")]
    out["Monthend1"] = p.report(title, ANALYSIS["Monthend1"], "Period", cols,
                                [f("day"), f("count"), f("invtotal"), f("rectotal"), f("invave"), f("recave")],
                                ["TOTAL", f("count"), f("invtotal"), f("rectotal"), f("invave"), f("recave")])

    cols = [("Department", "left", "36%"), ("Sales", "right", "18%"), ("Cost", "right", "18%"),
            ("% of invoiced", "right", "14%"), ("Cost %", "right", "14%")]
    out["Monthend2"] = p.report(title, ANALYSIS["Monthend2"], "Period", cols,
                                [f("description"), f("value"), f("cost"), f("percent"), f("margin")],
                                ["TOTAL", f("value"), f("cost"), "", f("margin")],
                                '<br>\n<font color="%s" size="-1">Invoiced in the period: %s. '
                                'Sales of stock items by department%s; cost %% is the cost as a share of the '
                                'sales.</font>\n' % (g.SOFT, f("invtotal"),
                                                    ", with the tax added on top where prices exclude it"
                                                    if taxes else ""))

    # Tax and income: the head carries the sales figures, the items the
    # tenders received, the tail what the period earned.
    sales = []
    for n in range(1, taxes + 1):
        sales.append(("Sales taxed with %s" % f("tax%dname" % n), f("invtax%dtotal" % n), False))
    sales.append(("Sales free of tax" if taxes else "Sales", f("invexmtotal"), False))
    for n in range(1, taxes + 1):
        sales.append((f("tax%dname" % n), f("tax%dtotal" % n), False))
    sales.append(("TOTAL SALES", f("total"), True))
    head = (p.top(title, ANALYSIS["Monthend3"], "Period")
            + '<font size="+1" color="%s"><b>Sales</b></font><br>\n' % g.INK
            + p.figures(sales)
            + '<br>\n<font size="+1" color="%s"><b>Received</b></font><br>\n' % g.INK
            + '<table width="60%%" cellspacing="0" cellpadding="4">\n<tr bgcolor="%s">%s%s</tr>\n'
            % (g.INK, g.th("Tender", "left", "60%"), g.th("Amount", "right", "40%")))
    item = '<tr><td>%s</td><td align="right">%s</td></tr>\n' % (f("type"), f("amount"))
    # What comes off is named "Less" and shown as it is: a sign put in front
    # would read "-0.00", or "--" before a negative figure.
    income = [("Received", f("rectotal"), False), ("Less coupons", f("disctotal"), False),
              ("Less bad debts written off", f("badtotal"), False),
              ("Less interest charged", f("inttotal"), False), ("Takings", f("total"), False)]
    for n in range(1, taxes + 1):
        income.append(("Less %s" % f("tax%dname" % n), f("tax%dtotal" % n), False))
    income.append(("INCOME", f("income"), True))
    tail = "</table>\n<br>\n" + p.figures(income)
    out["Monthend3"] = (head, item, p.end(tail))
    return out


# ---------------------------------------------------------------- slips

class Slips:
    def __init__(self, g, width):
        self.g = g
        self.w = width

    def top(self, title, report, period_label, extra=()):
        f = self.g.f
        w = self.w
        head = self.g.slip_shop(w, title)
        lines = ["Report" + report.rjust(w - 6)]
        for label, field in extra:
            lines.append(self.g.label_line(label, field, w))
        lines.append(self.g.label_line(period_label, "summary", w))
        lines.append(self.g.label_line("Printed", "printdate", w - 9) + " " + "[8]" + f("printtime"))
        return head + "\n".join(lines) + "\n"

    def rule(self, ch="-"):
        return self.g.rule(self.w, ch)

    def big(self, label, field):
        """A double-size total: the label and the value across the slip."""
        half = self.w // 2
        return "<D><B>%s[%d]%s</B></D>" % (label, half - len(label), self.g.f(field))

    def value(self, label, field, strong=False):
        line = self.g.label_line(label, field, self.w, 14)
        return "<B>%s</B>" % line if strong else line

    @staticmethod
    def end(lines):
        return "\n".join(lines + ["", "", "<CUT>"]) + "\n"


def tabulate(headings):
    """A heading line from (text, width) pairs; a negative width is left-aligned."""
    out = ""
    for text, width in headings:
        if "<!--$" in text:
            out += "[%d]%s" % (width, text)  # a heading the shop names, such as its taxes
        else:
            out += text.ljust(-width) if width < 0 else text.rjust(width)
    return out.rstrip()


def cashup_slips(g, width, taxes):
    s = Slips(g, width)
    f = g.f
    wide = width >= 80
    out = {}
    title = "CASH UP"

    def report(name, headings, item, tail_lines, period="Day"):
        head = s.top(title, CASHUP[name], period) + s.rule("=") + "\n"
        head += "\n".join(tabulate(h) for h in headings) + "\n" + s.rule() + "\n"
        out[name] = (head, item + "\n", s.end([s.rule()] + tail_lines))

    if wide:
        report("Cashup1", [[("Acc.", 8), (" Client", -33), ("Invoiced", 13), ("Received", 13), ("Balance", 13)]],
               "[8]%s {-32}%s[13]%s[13]%s[13]%s" % (f("acc"), f("client"), f("invoiced"), f("received"),
                                                     f("balance")),
               ["<B>TOTAL%s[13]%s[13]%s[13]%s</B>" % (" " * 36, f("invoiced"), f("received"), f("balance"))])
    else:
        report("Cashup1", [[("Acc.", 6), (" Client", -34)], [("Invoiced", 13), ("Received", 13), ("Balance", 14)]],
               "[6]%s {-33}%s\n[13]%s[13]%s[14]%s" % (f("acc"), f("client"), f("invoiced"), f("received"),
                                                       f("balance")),
               ["TOTAL", "<B>[13]%s[13]%s[14]%s</B>" % (f("invoiced"), f("received"), f("balance"))])

    # Invoices: one column a tax the shop charges.
    amounts = [("Amount", "amount"), ("Cost", "cost")] + [(f("tax%dname" % n), "tax%d" % n)
                                                          for n in range(1, taxes + 1)]
    tail = [s.value("Invoiced", "invoiced"), s.value("Cost", "cost")]
    for n in range(1, taxes + 1):
        tail.append("[-%d]%s[14]%s" % (width - 14, f("tax%dname" % n), f("tax%d" % n)))
    tail += [s.value("Margin %", "margin"), s.rule(), s.big("PROFIT", "profit")]
    if wide:
        client = 80 - 8 - 6 - 1 - 12 * len(amounts)
        heading = [("No.", 8), ("Acc.", 6), (" Client", -(client + 1))] + [("Amount", 12), ("Cost", 12)] + \
            [(f("tax%dname" % n), 12) for n in range(1, taxes + 1)]
        item = "[8]%s[6]%s {-%d}%s" % (f("number"), f("acc"), client, f("client")) + \
            "".join("[12]%s" % f(field) for _, field in amounts)
        report("Cashup2", [heading], item, tail)
    else:
        each = 40 // len(amounts)
        heading = [[("No.", 8), (" Client", -32)],
                   [("Amount", each), ("Cost", each)] + [(f("tax%dname" % n), each) for n in range(1, taxes + 1)]]
        item = "[8]%s {-31}%s\n" % (f("number"), f("client")) + \
            "".join("[%d]%s" % (each, f(field)) for _, field in amounts)
        report("Cashup2", heading, item, tail)

    if wide:
        report("Cashup3", [[("No.", 8), ("Acc.", 6), (" Client", -34), ("Tender", -16), ("Amount", 16)]],
               "[8]%s[6]%s {-33}%s[-16]%s[16]%s" % (f("number"), f("acc"), f("client"), f("type"), f("amount")),
               [s.big("RECEIVED", "received")])
    else:
        report("Cashup3", [[("No.", 7), (" Tender", -13), ("Amount", 20)], [("        Client", -40)]],
               "[7]%s [-12]%s[20]%s\n        {-32}%s" % (f("number"), f("type"), f("amount"), f("client")),
               [s.big("RECEIVED", "received")])

    counted = ["", "Counted by ........................", "", "Checked by ........................"]
    if wide:
        report("Cashup4", [[("Tender", -40), ("Count", 10), ("Amount", 30)]],
               "[-40]%s[10]%s[30]%s" % (f("type"), f("count"), f("total")),
               [s.big("TOTAL", "total"), s.rule(), "{-80}%s" % f("handover")] + counted)
    else:
        report("Cashup4", [[("Tender", -18), ("Count", 6), ("Amount", 16)]],
               "[-18]%s[6]%s[16]%s" % (f("type"), f("count"), f("total")),
               [s.big("TOTAL", "total"), s.rule(), "{-40}%s" % f("handover")] + counted)

    if wide:
        report("Cashup5", [[("Item", -68), ("Quantity", 12)]], "{-68}%s[12]%s" % (f("description"), f("quantity")),
               ["End of the cash up."])
    else:
        report("Cashup5", [[("Item", -30), ("Qty", 10)]], "{-30}%s[10]%s" % (f("description"), f("quantity")),
               ["End of the cash up."])
    return out


def waiter_slips(g, width):
    s = Slips(g, width)
    f = g.f
    wide = width >= 80
    out = {}
    title = "WAITER CASH UP"
    waiter = [("Waiter", "waiter")]

    def report(name, headings, item, tail_lines):
        head = s.top(title, WAITER[name], "Day", waiter) + s.rule("=") + "\n"
        if headings:
            head += "\n".join(tabulate(h) for h in headings) + "\n" + s.rule() + "\n"
        out[name] = (head, item + "\n", s.end([s.rule()] + tail_lines))

    for name, label in (("Waiter1", "INVOICED"), ("Waiter2", "RECEIVED")):
        if wide:
            report(name, [[("No.", 10), (" Client", -56), ("Amount", 14)]],
                   "[10]%s {-55}%s[14]%s" % (f("no"), f("client"), f("amount")), [s.big(label, "total")])
        else:
            report(name, [[("No.", 8), (" Client", -20), ("Amount", 12)]],
                   "[8]%s {-19}%s[12]%s" % (f("no"), f("client"), f("amount")), [s.big(label, "total")])

    w = width
    figures = "\n".join([
        "Invoices [-5]%s%s" % (f("numinv"), "[%d]%s" % (w - 14, f("totalinv"))),
        "Receipts [-5]%s%s" % (f("numrec"), "[%d]%s" % (w - 14, f("totalrec"))),
        s.value("Cash taken", "cash"),
        s.value("Other tenders", "other"),
        s.value("Tips in cash", "cashtip"),
        s.value("Tips by other tenders", "othertip"),
        s.value("Total tips", "totaltips"),
        s.value("Tips as % of receipts", "performance"),
        s.rule(),
        s.big("HAND IN", "due"),
    ])
    report("Waiter3", None, figures,
           ["", "Counted by ........................", "", "Waiter    ........................"])

    if wide:
        report("Waiter4", [[("No.", 7), (" Client", -15), ("Amount", 10), (" By", -10), ("Cash", 10),
                            ("Cash tip", 9), ("Other", 10), ("Oth. tip", 9)]],
               "[7]%s {-14}%s[10]%s [-9]%s[10]%s[9]%s[10]%s[9]%s"
               % (f("no"), f("client"), f("amount"), f("waiter"), f("cash"), f("cashtip"), f("other"),
                  f("othertip")),
               ["<B>TOTAL%s[10]%s[9]%s[10]%s[9]%s</B>" % (" " * 37, f("cash"), f("cashtip"), f("other"),
                                                          f("othertip")),
                s.value("Total tips", "totaltips"), s.big("DUE", "due")])
    else:
        report("Waiter4", [[("No.", 7), (" Client", -23), ("Amount", 10)],
                           [("  Taken by", -40)], [("Cash", 10), ("Cash tip", 10), ("Other", 10), ("Oth. tip", 10)]],
               "[7]%s {-22}%s[10]%s\n  by [-35]%s\n[10]%s[10]%s[10]%s[10]%s"
               % (f("no"), f("client"), f("amount"), f("waiter"), f("cash"), f("cashtip"), f("other"),
                  f("othertip")),
               ["TOTAL", "<B>[10]%s[10]%s[10]%s[10]%s</B>" % (f("cash"), f("cashtip"), f("other"), f("othertip")),
                s.value("Total tips", "totaltips"), s.big("DUE", "due")])
    return out


def analysis_slips(g, width, taxes):
    s = Slips(g, width)
    f = g.f
    wide = width >= 80
    out = {}
    title = "ANALYSIS"

    def report(name, headings, item, tail_lines, head_lines=()):
        head = s.top(title, ANALYSIS[name], "Period") + s.rule("=") + "\n"
        if head_lines:
            head += "\n".join(head_lines) + "\n"
        head += "\n".join(tabulate(h) for h in headings) + "\n" + s.rule() + "\n"
        out[name] = (head, item + "\n", s.end([s.rule()] + tail_lines))

    if wide:
        report("Monthend1", [[("Day", -12), ("Inv.", 8), ("Invoiced", 15), ("Received", 15), ("Avg. inv.", 15),
                              ("Avg. rec.", 15)]],
               "[-12]%s[8]%s[15]%s[15]%s[15]%s[15]%s"
               % (f("day"), f("count"), f("invtotal"), f("rectotal"), f("invave"), f("recave")),
               ["<B>TOTAL[-7]%s[8]%s[15]%s[15]%s[15]%s[15]%s</B>"
                % ("", f("count"), f("invtotal"), f("rectotal"), f("invave"), f("recave"))])
    else:
        report("Monthend1", [[("Day", -10), ("Inv.", 4), ("Invoiced", 13), ("Received", 13)]],
               "[-10]%s[4]%s[13]%s[13]%s" % (f("day"), f("count"), f("invtotal"), f("rectotal")),
               ["<B>TOTAL[-5]%s[4]%s[13]%s[13]%s</B>" % ("", f("count"), f("invtotal"), f("rectotal")),
                s.value("Average invoice", "invave"), s.value("Average receipt", "recave")])

    if wide:
        report("Monthend2", [[("Department", -30), ("Sales", 14), ("Cost", 14), ("% inv.", 11), ("Cost %", 11)]],
               "{-30}%s[14]%s[14]%s[11]%s[11]%s" % (f("description"), f("value"), f("cost"), f("percent"),
                                                    f("margin")),
               ["<B>TOTAL%s[14]%s[14]%s%s[11]%s</B>" % (" " * 25, f("value"), f("cost"), " " * 11, f("margin")),
                s.value("Invoiced in the period", "invtotal")])
    else:
        report("Monthend2", [[("Department", -40)], [("Sales", 10), ("Cost", 10), ("% inv.", 10), ("Cost %", 10)]],
               "{-40}%s\n[10]%s[10]%s[10]%s[10]%s" % (f("description"), f("value"), f("cost"), f("percent"),
                                                      f("margin")),
               ["TOTAL", "<B>[10]%s[10]%s%s[10]%s</B>" % (f("value"), f("cost"), " " * 10, f("margin")),
                s.value("Invoiced in the period", "invtotal")])

    sales = []
    for n in range(1, taxes + 1):
        sales.append("Taxed [-%d]%s[14]%s" % (width - 20, f("tax%dname" % n), f("invtax%dtotal" % n)))
    sales.append(s.value("Free of tax" if taxes else "Sales", "invexmtotal"))
    for n in range(1, taxes + 1):
        sales.append("[-%d]%s[14]%s" % (width - 14, f("tax%dname" % n), f("tax%dtotal" % n)))
    sales += [s.big("SALES", "total"), s.rule(), "RECEIVED"]
    income = [s.value("Received", "rectotal"), s.value("Less coupons", "disctotal"),
              s.value("Less bad debts", "badtotal"), s.value("Less interest", "inttotal"),
              s.value("Takings", "total")]
    for n in range(1, taxes + 1):
        income.append("Less [-%d]%s[14]%s" % (width - 20, f("tax%dname" % n), f("tax%dtotal" % n)))
    income += [s.rule(), s.big("INCOME", "income")]
    head = s.top(title, ANALYSIS["Monthend3"], "Period") + s.rule("=") + "\n" + "SALES\n" + "\n".join(sales) + "\n"
    item = "[-%d]%s[14]%s\n" % (width - 14, f("type"), f("amount"))
    out["Monthend3"] = (head, item, s.end([s.rule()] + income))
    return out


def build(g):
    """Writes every end-of-day template through gen-templates.py's emit()."""
    for taxes, folder in ((0, ""), (1, "TAX1"), (2, "TAX2")):
        pages = cashup_pages(g, taxes)
        pages.update(analysis_pages(g, taxes))
        if taxes == 0:
            pages.update(waiter_pages(g))
        for width, suffix in ((80, ".slip"), (40, ".slip40")):
            slips = cashup_slips(g, width, taxes)
            slips.update(analysis_slips(g, width, taxes))
            if taxes == 0:
                slips.update(waiter_slips(g, width))
            for name, parts in slips.items():
                # Only the reports that show taxes differ by the shop's taxes.
                if taxes and name not in ("Cashup2", "Monthend2", "Monthend3"):
                    continue
                g.emit(folder, name, parts, suffix)
        for name, parts in pages.items():
            if taxes and name not in ("Cashup2", "Monthend2", "Monthend3"):
                continue
            g.emit(folder, name, parts, ".html")
