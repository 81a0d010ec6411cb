#!/usr/bin/env python3
"""Writes the English document templates under share/Brevalon/English/.

The templates are installation data; this script keeps the many variants
(page, 80-column slip, 40-column slip; plain, TAX1 and TAX2; prices with or
without tax) consistent. Edit here, run it, and commit what it writes.
  --check  exits 1 when the committed files differ from what it would write.
"""
import os
import sys

import templates_accounts
import templates_endofday

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(TOP, "share", "Brevalon", "English")

INK = "#1f3a5f"      # headings and the rule of the tables
SOFT = "#5f6b7a"     # labels
PANEL = "#eef2f7"    # address panels and totals

files = {}


def put(path, text):
    files[path] = text if text.endswith("\n") else text + "\n"


def f(name):
    return "<!--$%s-->" % name


# ---------------------------------------------------------------- pages

def page_shop_block(title, facts):
    """Logo and shop address at the left, title and document facts at the right."""
    rows = "\n".join(
        '<tr><td align="right"><font color="%s">%s</font></td><td align="right"><b>%s</b></td></tr>'
        % (SOFT, label, value) for label, value in facts)
    return f"""<html>
<body>
<table width="100%" cellspacing="0" cellpadding="0">
<tr>
<td valign="top" width="55%"><img src=PrintLogo><br>
<font size="+2" color="{INK}"><b>{f('aline1')}</b></font><br>
{f('aline2')}<br>
{f('aline3')}<br>
{f('aline4')}<br>
<font color="{SOFT}">{f('aline5')}<br>
{f('aline6')}<br>
{f('aline7')}</font></td>
<td valign="top" align="right" width="45%"><font size="+4" color="{INK}"><b>{title}</b></font><br>
<br>
<table cellspacing="0" cellpadding="2">
{rows}
</table></td>
</tr>
</table>
<hr>
"""


def page_parties(first_label, second_label):
    return f"""<table width="100%" cellspacing="4" cellpadding="6">
<tr>
<td width="50%" valign="top" bgcolor="{PANEL}"><font color="{SOFT}" size="-1"><b>{first_label}</b></font><br>
<font size="+1"><b>{f('client')}</b></font><br>
{f('postal')}<br>
{f('phone')} {f('cell')}<br>
{f('email')}</td>
<td width="50%" valign="top" bgcolor="{PANEL}"><font color="{SOFT}" size="-1"><b>{second_label}</b></font><br>
{f('shipping')}</td>
</tr>
</table>
<br>
"""


def th(text, align="left", width=None):
    w = ' width="%s"' % width if width else ""
    return f'<td align="{align}"{w}><font color="#ffffff"><b>{text}</b></font></td>'


INVOICE_KINDS = {
    # type: (title plain, title taxed, number label, closing lines)
    "Invoice": ("INVOICE", "TAX INVOICE", "Invoice No.", "invoice"),
    "Quote": ("QUOTATION", "QUOTATION", "Quote No.", "quote"),
    "Return": ("CREDIT NOTE", "TAX CREDIT NOTE", "Credit Note No.", "return"),
}


def invoice_page(kind, exc, taxes):
    plain_title, taxed_title, number_label, closing = INVOICE_KINDS[kind]
    title = taxed_title if taxes else plain_title
    facts = [(number_label, f('number')), ("Date", f('shortdate')), ("Time", f('time')),
             ("Account", f('acc')), ("Reference", f('sequence')), ("Served by", f('waiter'))]
    head = page_shop_block(title, facts)
    head += page_parties("BILL TO" if kind != "Return" else "CREDIT TO", "DELIVER TO")
    amount = "Amount" if not taxes else ("Amount excl. tax" if exc else "Amount incl. tax")
    head += f"""<table width="100%" cellspacing="0" cellpadding="4">
<tr bgcolor="{INK}">{th("Qty", "right", "8%")}{th("Description", "left", "48%")}{th("Unit price", "right", "14%")}{th("Disc. %", "right", "12%")}{th(amount, "right", "18%")}</tr>
"""
    marks = " <font color=\"%s\">%s</font>" % (SOFT, f('taxflags')) if taxes else ""
    item = f"""<tr>
<td align="right" valign="top">{f('quantity')}</td>
<td valign="top">{f('description')} <font color="{SOFT}">{f('uom')}</font></td>
<td align="right" valign="top">{f('unitprice')}</td>
<td align="right" valign="top">{f('discount')}</td>
<td align="right" valign="top">{f('price')}{marks}</td>
</tr>
"""
    totals = []
    if taxes:
        if exc:
            totals.append(("Subtotal", f('subtotal')))
            totals.append((f"{f('tax1name')} {f('tax1')}%", f('tax1total')))
            if taxes == 2:
                totals.append((f"{f('tax2name')} {f('tax2')}%", f('tax2total')))
        else:
            totals.append(("Total excluding tax", f('exctotal')))
            totals.append((f"{f('tax1name')} {f('tax1')}% included", f('tax1total')))
            if taxes == 2:
                totals.append((f"{f('tax2name')} {f('tax2')}% included", f('tax2total')))
    else:
        totals.append(("Subtotal", f('subtotal')))
    totals.append(("Rounding", f('rounding')))
    rows = "\n".join(f'<tr><td>{label}</td><td align="right">{value}</td></tr>' for label, value in totals)
    grand = {"invoice": "TOTAL DUE", "quote": "TOTAL QUOTED", "return": "TOTAL CREDITED"}[closing]
    after = ""
    if closing == "invoice":
        after = (f'<tr><td><font color="{SOFT}">Amount payable</font></td><td align="right">{f("due")}</td></tr>\n'
                 f'<tr><td><font color="{SOFT}">Account balance</font></td><td align="right">{f("outstanding")}</td></tr>')
    elif closing == "return":
        after = f'<tr><td><font color="{SOFT}">Account balance</font></td><td align="right">{f("outstanding")}</td></tr>'
    legend = ""
    if taxes == 1:
        legend = f'<font color="{SOFT}" size="-1">* {f("tax1name")} applies to the line</font><br>\n'
    elif taxes == 2:
        legend = (f'<font color="{SOFT}" size="-1">* {f("tax1name")} applies to the line, '
                  f'# {f("tax2name")} applies to the line</font><br>\n')
    note = {"invoice": "", "quote": "<b>This quotation is valid for 30 days from the date above.</b><br>\n",
            "return": "<b>Goods returned and credited to your account.</b><br>\n"}[closing]
    tail = f"""</table>
<hr>
<table width="100%" cellspacing="0" cellpadding="0">
<tr>
<td width="55%" valign="top">{legend}{note}<br>
{f('invfoot1')}<br>
<font color="{SOFT}">{f('invfoot2')}</font><br>
<br>
<font color="{SOFT}" size="-1">Prepared by {f('cashier')}</font><br>
{f('takeOutTendered')}<br>
{f('takeOutChange')}<br>
{f('snapscan')}</td>
<td width="45%" valign="top">
<table width="100%" cellspacing="0" cellpadding="4" bgcolor="{PANEL}">
{rows}
<tr bgcolor="{INK}"><td><font color="#ffffff" size="+1"><b>{grand}</b></font></td><td align="right"><font color="#ffffff" size="+1"><b>{f('total')}</b></font></td></tr>
{after}
</table></td>
</tr>
</table>
</body>
</html>
"""
    return head, item, tail


def receipt_page(refund):
    title = "REFUND" if refund else "RECEIPT"
    facts = [("Refund No." if refund else "Receipt No.", f('number')), ("Date", f('shortdate')),
             ("Time", f('time')), ("Account", f('acc'))]
    head = page_shop_block(title, facts)
    head += page_parties("REFUNDED TO" if refund else "RECEIVED FROM", "ADDRESS")
    head += f"""<table width="100%" cellspacing="0" cellpadding="4">
<tr bgcolor="{INK}">{th("Description", "left", "75%")}{th("Amount", "right", "25%")}</tr>
"""
    item = f"""<tr>
<td valign="top">{f('description')}</td>
<td align="right" valign="top">{f('payment')}</td>
</tr>
"""
    tail = f"""</table>
<hr>
<table width="100%" cellspacing="0" cellpadding="0">
<tr>
<td width="55%" valign="top"><b>{f('recfoot')}</b><br>
<br>
<font color="{SOFT}" size="-1">Served by {f('cashier')}, {f('shortdate')} {f('time')}</font><br>
{f('snapscan')}</td>
<td width="45%" valign="top">
<table width="100%" cellspacing="0" cellpadding="4" bgcolor="{PANEL}">
<tr><td>Tendered</td><td align="right">{f('tender')}</td></tr>
<tr><td>Tip</td><td align="right">{f('tip')}</td></tr>
<tr bgcolor="{INK}"><td><font color="#ffffff"><b>CHANGE</b></font></td><td align="right"><font color="#ffffff"><b>{f('change')}</b></font></td></tr>
<tr><td><font color="{SOFT}">Account balance</font></td><td align="right">{f('outstanding')}</td></tr>
</table></td>
</tr>
</table>
</body>
</html>
"""
    return head, item, tail


def kitchen_page():
    head = f"""<html>
<body>
<table width="100%" cellspacing="0" cellpadding="6">
<tr bgcolor="{INK}"><td><font size="+4" color="#ffffff"><b>{f('client')}</b></font></td>
<td align="right"><font size="+3" color="#ffffff"><b>No. {f('sequence')}</b></font></td></tr>
</table>
<table width="100%" cellspacing="0" cellpadding="2">
<tr><td><font size="+1">Waiter <b>{f('waiter')}</b> &nbsp; Order {f('number')} <b>{f('reprint')}</b></font></td>
<td align="right"><font size="+1">Ordered {f('time')} &nbsp; Printed <b>{f('printtime')}</b></font></td></tr>
</table>
<hr>
<table width="100%" cellspacing="0" cellpadding="3">
"""
    item = f"""<tr>
<td align="right" valign="top" width="15%"><font size="+3"><b>{f('quantity')}</b></font></td>
<td valign="top" width="85%"><font size="+3"><b>{f('description')}</b></font> <font size="+1">{f('uom')}</font></td>
</tr>
"""
    tail = f"""</table>
<hr>
<font size="+1">Sent by {f('cashier')}</font>
</body>
</html>
"""
    return head, item, tail


# ---------------------------------------------------------------- account and stock pages

def listing_head(columns):
    return (f'<table width="100%" cellspacing="0" cellpadding="4">\n<tr bgcolor="{INK}">'
            + "".join(th(label, align, width) for label, align, width in columns) + "</tr>\n")


def listing_row(cells):
    """One shaded row: the document gives each item its bgcolor."""
    return (f'<tr bgcolor="{f("bgcolor")}">\n'
            + "".join(f'<td align="{align}" valign="top">{value}</td>\n' for align, value in cells) + "</tr>\n")


def printed_line():
    """The print moment: a head field, so it stands in the head."""
    return f'<p align="right"><font color="{SOFT}" size="-1">Printed {f("printdate")} {f("printtime")}</font></p>\n'


def statement_page():
    head = page_shop_block("STATEMENT", [("Statement No.", f('number')), ("Date", f('shortdate')),
                                         ("Account", f('acc'))])
    head += page_parties("ACCOUNT HOLDER", "DELIVERY ADDRESS")
    head += printed_line()
    head += listing_head([("Date", "left", "18%"), ("Transaction", "left", "60%"), ("Amount", "right", "22%")])
    item = f"""<tr>
<td valign="top">{f('date')}</td>
<td valign="top">{f('description')}</td>
<td align="right" valign="top">{f('amount')}</td>
</tr>
"""
    ages = [("Current", "current"), ("30 days", "day30"), ("60 days", "day60"), ("90 days", "day90"),
            ("120 days +", "day120")]
    labels = "".join(f'<td align="right" width="16%"><font color="{SOFT}" size="-1"><b>{label}</b></font></td>'
                     for label, _ in ages)
    values = "".join(f'<td align="right">{f(field)}</td>' for _, field in ages)
    tail = f"""</table>
<hr>
<table width="100%" cellspacing="0" cellpadding="4" bgcolor="{PANEL}">
<tr>{labels}<td align="right" width="20%" bgcolor="{INK}"><font color="#ffffff"><b>BALANCE DUE</b></font></td></tr>
<tr>{values}<td align="right" bgcolor="{INK}"><font color="#ffffff" size="+1"><b>{f('total')}</b></font></td></tr>
</table>
<br>
<font color="#b00020"><b>{f('handed')}</b></font><br>
{f('statefoot1')}<br>
{f('statefoot2')}<br>
{f('statefoot3')}<br>
</body>
</html>
"""
    return head, item, tail


def renewal_page():
    head = page_shop_block("RENEWAL NOTICE", [("Reference", f('number')), ("Date", f('shortdate')),
                                              ("Account", f('acc'))])
    head += page_parties("ACCOUNT HOLDER", "DELIVERY ADDRESS")
    head += f"""<p>Dear customer,</p>
<p>our records show that the following item is due back or due for renewal:</p>
<table width="100%" cellspacing="0" cellpadding="6" bgcolor="{PANEL}">
<tr><td width="25%"><font color="{SOFT}"><b>Item</b></font></td><td><font size="+1"><b>{f('description')}</b></font></td></tr>
<tr><td><font color="{SOFT}"><b>Due on</b></font></td><td><font size="+1"><b>{f('expiry')}</b></font></td></tr>
</table>
<p>Please return it or renew it by that date. If you have already done so, thank you, and please disregard this notice.</p>
<p>Yours sincerely,<br>
<b>{f('aline1')}</b><br>
{f('aline5')}</p>
"""
    head += printed_line()
    tail = """</body>
</html>
"""
    return head, "", tail


def trail_page(title, columns, cells):
    head = page_shop_block(title, [("Reference", f('number')), ("Date", f('shortdate')), ("Account", f('acc'))])
    head += page_parties("ACCOUNT HOLDER", "DELIVERY ADDRESS")
    head += printed_line()
    head += listing_head(columns)
    tail = f"""</table>
<hr>
</body>
</html>
"""
    return head, listing_row(cells), tail


def journal_page():
    return trail_page("ACCOUNT HISTORY",
                      [("Date", "left", "16%"), ("Ref.", "right", "12%"), ("Transaction", "left", "40%"),
                       ("Amount", "right", "18%"), ("Paid by / for", "right", "14%")],
                      [("left", f('date')), ("right", f('ref')), ("left", f('description')),
                       ("right", f('amount')), ("right", f('crossref'))])


def audit_page():
    return trail_page("PURCHASE HISTORY",
                      [("Date", "left", "16%"), ("Item", "left", "52%"), ("Qty", "right", "12%"),
                       ("Price", "right", "20%")],
                      [("left", f('date')), ("left", f('description')), ("right", f('quantity')),
                       ("right", f('amount'))])


def stock_page():
    head = page_shop_block("STOCK RECEIVED", [("Delivery No.", f('number')), ("Date", f('shortdate')),
                                              ("Time", f('time')), ("Received by", f('sp'))])
    head += f"""<table width="100%" cellspacing="4" cellpadding="6">
<tr><td bgcolor="{PANEL}"><font color="{SOFT}" size="-1"><b>NOTES</b></font><br>
{f('notes')}</td></tr>
</table>
<br>
"""
    head += printed_line()
    head += listing_head([("Qty", "right", "14%"), ("Unit", "left", "16%"), ("Description", "left", "70%")])
    tail = f"""</table>
<hr>
</body>
</html>
"""
    return head, listing_row([("right", f('quantity')), ("left", f('uom')), ("left", f('description'))]), tail


def order_page():
    head = page_shop_block("PURCHASE ORDER", [("Order No.", f('number')), ("Date", f('shortdate'))])
    head += f"""<table width="100%" cellspacing="4" cellpadding="6">
<tr>
<td width="50%" valign="top" bgcolor="{PANEL}"><font color="{SOFT}" size="-1"><b>SUPPLIER</b></font><br>
<font size="+1"><b>{f('company')}</b></font><br>
Attention: {f('att')}<br>
{f('postal')}<br>
Tel {f('phone')} &nbsp; Fax {f('fax')} &nbsp; Cell {f('cell')}<br>
{f('email')}</td>
<td width="50%" valign="top" bgcolor="{PANEL}"><font color="{SOFT}" size="-1"><b>DELIVER TO</b></font><br>
<b>{f('aline1')}</b><br>
{f('aline2')}<br>
{f('aline3')}<br>
{f('aline4')}</td>
</tr>
</table>
<br>
"""
    head += printed_line()
    head += listing_head([("Qty", "right", "14%"), ("Unit", "left", "16%"), ("Description", "left", "70%")])
    tail = f"""</table>
<hr>
<b>Please confirm the delivery date and quote our order number on your invoice.</b><br>
</body>
</html>
"""
    return head, listing_row([("right", f('quantity')), ("left", f('uom')), ("left", f('description'))]), tail


# ---------------------------------------------------------------- slips

def rule(width, ch="-"):
    return ch * width


def slip_shop(width, title):
    return f"""# Shop header: the printer's stored logo, the shop's name and address.
<LOGO>
<B>{f('aline1')}</B>
{f('aline2')}
{f('aline3')}
{f('aline4')}
{f('aline5')}
{f('aline6')}
{f('aline7')}
{rule(width, '=')}
<D>{title}</D>
"""


def label_line(label, field, width, value_width=None):
    """A label at the left and a value right-aligned to the last column."""
    value_width = value_width or (width - len(label))
    pad = width - len(label) - value_width
    return f"{label}{' ' * pad}[{value_width}]{f(field)}"


def invoice_slip(kind, exc, taxes, width):
    plain_title, taxed_title, number_label, closing = INVOICE_KINDS[kind]
    title = taxed_title if taxes else plain_title
    head = slip_shop(width, title)
    head += "\n".join([
        label_line(number_label, "number", width),
        label_line("Date", "shortdate", width - 9) + " " + f"[8]{f('time')}",
        label_line("Account", "acc", width),
        label_line("Reference", "sequence", width),
        label_line("Served by", "waiter", width),
        rule(width),
        "{-%d}%s" % (width, f('client')),
        "{-%d}%s" % (width, f('postal')),
        rule(width),
    ]) + "\n"
    marks = taxes > 0
    if width >= 80:
        amount_w = 12 if marks else 14
        head += (f"{'Qty':>9}  {'Description':<42}{'Unit price':>12}{'Amount':>{amount_w}}" + ("  " if marks else "")).rstrip() + "\n"
        head += rule(width) + "\n"
        item = (f"[9]{f('quantity')}  {{-42}}{f('description')}[12]{f('unitprice')}[{amount_w}]{f('price')}"
                + (f" [-2]{f('taxflags')}" if marks else "")) + "\n"
        # The price field of the marks variant ends two columns early: " *" follows.
    else:
        # One line an item: quantity, the description wrapped under itself,
        # the line total and the tax marks.
        amount_w = 12 if marks else 14
        head += f"{'Qty':>6} {'Description':<19}{'Amount':>{amount_w}}\n"
        head += rule(width) + "\n"
        item = (f"[6]{f('quantity')} {{-19}}{f('description')}[{amount_w}]{f('price')}"
                + (f"[-2]{f('taxflags')}" if marks else "")) + "\n"
    # Remarks lines carry no amounts; the line stays to keep the block readable.
    lines = [rule(width)]
    vw = 14
    if taxes:
        if exc:
            lines.append(label_line("Subtotal", "subtotal", width, vw))
            lines.append(f"[-{width - vw - 7 - 1}]{f('tax1name')}[7]{f('tax1')}%[{vw}]{f('tax1total')}")
            if taxes == 2:
                lines.append(f"[-{width - vw - 7 - 1}]{f('tax2name')}[7]{f('tax2')}%[{vw}]{f('tax2total')}")
        else:
            lines.append(label_line("Total excl. tax", "exctotal", width, vw))
            lines.append(f"[-{width - vw - 7 - 7}]{f('tax1name')}[7]{f('tax1')}% incl.[{vw}]{f('tax1total')}")
            if taxes == 2:
                lines.append(f"[-{width - vw - 7 - 7}]{f('tax2name')}[7]{f('tax2')}% incl.[{vw}]{f('tax2total')}")
    else:
        lines.append(label_line("Subtotal", "subtotal", width, vw))
    lines.append(label_line("Rounding", "rounding", width, vw))
    grand = {"invoice": "TOTAL", "quote": "QUOTED", "return": "CREDIT"}[closing]
    half = width // 2
    lines.append(f"<D><B>{grand}[{half - len(grand)}]{f('total')}</B></D>")
    if closing == "invoice":
        lines.append(label_line("Amount payable", "due", width, vw))
        lines.append(label_line("Account balance", "outstanding", width, vw))
    elif closing == "return":
        lines.append(label_line("Account balance", "outstanding", width, vw))
    lines.append(rule(width))
    if taxes == 1:
        lines.append(f"* {f('tax1name')} applies to the line")
    elif taxes == 2:
        lines.append(f"* {f('tax1name')}  # {f('tax2name')} apply to the line")
    # Plain text: a width mark only shapes the field that follows it.
    if closing == "quote":
        lines.append("This quotation is valid for 30 days.")
    elif closing == "return":
        lines.append("Goods returned and credited to your account." if width > 40
                     else "Goods returned and credited to account.")
    lines += [f"{f('takeOutTendered')}  {f('takeOutChange')}",
              "{-%d}%s" % (width, f('invfoot1')), "{-%d}%s" % (width, f('invfoot2')),
              f"Prepared by {f('cashier')}", "<SNAPSCAN>", "", "", "<CUT>"]
    tail = "# Totals, footers and the cut.\n" + "\n".join(lines) + "\n"
    return head, item, tail


def receipt_slip(refund, width):
    head = slip_shop(width, "REFUND" if refund else "RECEIPT")
    head += "\n".join([
        label_line("Refund No." if refund else "Receipt No.", "number", width),
        label_line("Date", "shortdate", width - 9) + " " + f"[8]{f('time')}",
        label_line("Account", "acc", width),
        "{-%d}%s" % (width, f('client')),
        rule(width),
    ]) + "\n"
    vw = 14
    item = f"{{-{width - vw}}}{f('description')}[{vw}]{f('payment')}\n"
    tail = "\n".join([
        rule(width),
        label_line("Tendered", "tender", width, vw),
        label_line("Tip", "tip", width, vw),
        f"<D><B>CHANGE[{width // 2 - 6}]{f('change')}</B></D>",
        label_line("Account balance", "outstanding", width, vw),
        rule(width),
        "{-%d}%s" % (width, f('recfoot')),
        f"Served by {f('cashier')}  {f('shortdate')} {f('time')}",
        "<SNAPSCAN>", "", "", "<CUT>",
    ]) + "\n"
    return head, item, tail


def kitchen_slip(width):
    half = width // 2
    head = "\n".join([
        "# Kitchen and label dockets: read across a kitchen, so mostly double size.",
        f"<D><B>{{-{half}}}{f('client')}</B></D>",
        # The sequence number is what the kitchen calls the order by.
        f"<D>No. [-{half - 4}]{f('sequence')}</D>",
        f"Waiter [-{width - 7 - 20}]{f('waiter')}Printed [12]{f('printtime')}",
        # A docket printed again says so where the order number stands.
        f"Order [-{width - 6 - 10}]{f('number')}[10]{f('reprint')}",
        rule(width, "="),
    ]) + "\n"
    # Double size from the quantity to the end of the wrapped description,
    # continuation lines included; the separator item gives a blank line.
    item = f"<D><B>[6]{f('quantity')} {{-{half - 7}}}{f('description')}</B>\n</D>\n"
    tail = "\n".join([
        rule(width, "="),
        f"Sent by {f('cashier')}",
        "", "", "<CUT>",
    ]) + "\n"
    return head, item, tail


# ---------------------------------------------------------------- files

def emit(folder, name, parts, suffix):
    for part, text in zip(("Head", "Item", "Tail"), parts):
        put(os.path.join(folder, f"{name}{part}{suffix}"), text)


def build():
    for refund in (False, True):
        name = "Refund" if refund else "Receipt"
        emit("", name, receipt_page(refund), ".html")
        emit("", name, receipt_slip(refund, 80), ".slip")
        emit("", name, receipt_slip(refund, 40), ".slip40")
    emit("", "Kitchen", kitchen_page(), ".html")
    emit("", "Statement", statement_page(), ".html")
    emit("", "Renewal", renewal_page(), ".html")
    emit("", "Journal", journal_page(), ".html")
    emit("", "Audit", audit_page(), ".html")
    emit("", "Stock", stock_page(), ".html")
    emit("", "Order", order_page(), ".html")
    emit("", "Kitchen", kitchen_slip(80), ".slip")
    emit("", "Kitchen", kitchen_slip(40), ".slip40")
    for kind in INVOICE_KINDS:
        for exc in (False, True):
            name = kind + ("exc" if exc else "")
            for taxes, folder in ((0, ""), (1, "TAX1"), (2, "TAX2")):
                emit(folder, name, invoice_page(kind, exc, taxes), ".html")
                emit(folder, name, invoice_slip(kind, exc, taxes, 80), ".slip")
                emit(folder, name, invoice_slip(kind, exc, taxes, 40), ".slip40")
    templates_accounts.build(sys.modules[__name__])
    templates_endofday.build(sys.modules[__name__])


def main():
    build()
    check = "--check" in sys.argv
    differ = []
    for rel, text in sorted(files.items()):
        path = os.path.join(OUT, rel)
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if old != text:
            differ.append(rel)
            if not check:
                os.makedirs(os.path.dirname(path), exist_ok=True)
                with open(path, "w", encoding="utf-8") as out:
                    out.write(text)
    if check and differ:
        print("templates out of date:", ", ".join(differ))
        return 1
    if not check:
        print("wrote %d of %d template files" % (len(differ), len(files)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
