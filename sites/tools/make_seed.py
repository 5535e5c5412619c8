#!/usr/bin/env python3
"""Writes sites/seed/seed.sql, the players of the stand-in sites.

Run by hand after changing the lists below; the SQL is committed, and the
server loads it at start. Deterministic: one fixed random seed. Every name is
checked to exist in code page 936, because the tool shows names in it.
"""
import pathlib
import random

OUT = pathlib.Path(__file__).resolve().parent.parent / "seed" / "seed.sql"

SERVERS = [
    "艾欧尼亚 电信一", "比尔吉沃特 网通一", "祖安 电信二", "诺克萨斯 电信三",
    "班德尔城 电信四", "德玛西亚 网通二", "皮尔特沃夫 电信五", "战争学院 电信六",
    "弗雷尔卓德 网通三", "巨神峰 电信七", "雷瑟守备 电信八", "无畏先锋 网通四",
    "裁决之地 电信九", "黑色玫瑰 电信十", "暗影岛 电信十一", "恕瑞玛 网通五",
    "钢铁烈阳 电信十二", "水晶之痕 电信十四", "均衡教派 电信十三", "扭曲丛林 网通六",
    "教育网专区", "影流 电信十五", "守望之海 电信十六", "征服之海 电信十七",
    "卡拉曼达 电信十八", "巨龙之巢 网通七", "皮城警备 电信十九",
]

AVATARS = [f"a{n:02d}.{ext}" for n, ext in zip(range(1, 17), ["png"] * 4 + ["jpg"] * 4 + ["gif"] * 4 + ["bmp"] * 4)]

HEADS = ["暗夜", "风之", "孤独的", "小", "老", "无敌", "寂寞", "疾风", "血色", "冰封", "烈焰", "星辰",
         "天下", "浪迹", "沉默的", "快乐", "一只", "月下", "雨中", "醉", "逍遥", "霸气", "笑看", "梦回"]
TAILS = ["剑圣", "猎手", "浪子", "法师", "刺客", "射手", "少年", "骑士", "公主", "小兵", "打野", "中单",
         "辅助", "上单", "王者", "菜鸟", "steve", "狐狸", "飞鱼", "石头", "青蛙", "木木", "阿狸", "提莫"]
MARKS = ["", "", "", "丶", "灬", "o", "ゞ", "", "丨", "", "乄", ""]
RARE = ["龘", "丨", "乂", "亍", "兀", "冫", "刂", "亻", "氵", "犭", "纟", "艹", "辶"]
ASCII_NAMES = ["Falcon", "Umbra", "The Quiet", "Rover", "xiaolu", "Mossy", "Clearwater", "Dorian",
               "JackyBlue", "Mingo", "nightowl", "a b", "Top Spin", "nova", "Zz", "ABC", "lucky7"]
# Names that several players on different servers carry.
SHARED = ["暗夜猎手", "疾风剑豪", "Falcon", "提莫队长", "寂寞的风"]

TIERS = ["青铜", "白银", "黄金", "铂金", "钻石"]
DIVISIONS = ["V", "IV", "III", "II", "I"]


def random_name(rng):
    kind = rng.random()
    if kind < 0.08:
        return rng.choice(RARE) + rng.choice(TAILS) + rng.choice(RARE)
    if kind < 0.16:
        return rng.choice(ASCII_NAMES) + rng.choice(["", "丶", "的粉丝", " 二号", str(rng.randrange(1, 99))])
    if kind < 0.22:
        return rng.choice(HEADS) + " " + rng.choice(TAILS)
    return rng.choice(MARKS) + rng.choice(HEADS) + rng.choice(TAILS) + rng.choice(MARKS)


def random_tier(rng):
    """A tier text with the division after a no-break space entity, or None."""
    roll = rng.random()
    if roll < 0.25:
        return None, 0
    if roll < 0.27:
        return "最强王者", rng.randrange(0, 1200)
    if roll < 0.30:
        return "超凡大师", rng.randrange(0, 800)
    return f"{rng.choice(TIERS)}&nbsp;{rng.choice(DIVISIONS)}", rng.randrange(0, 101)


def mode_row(rng, low, high, ranked):
    games = rng.randrange(low, high)
    wins = round(games * rng.uniform(0.42, 0.6))
    row = {"games": games, "wins": wins, "losses": games - wins}
    if ranked:
        tier, points = random_tier(rng) if games else (None, 0)
        row["tier"], row["points"] = tier, points
    return row


def sql_text(value):
    return "NULL" if value is None else "'" + value.replace("'", "''") + "'"


def main():
    rng = random.Random(20160501)
    players = []
    taken = set()

    def add(name, server):
        name.encode("gbk")  # every name must exist in code page 936
        assert name == name.strip() and name, name
        if (server, name) in taken:
            return
        taken.add((server, name))
        players.append((name, server))

    for shared in SHARED:
        for server in rng.sample(range(1, 28), 4):
            add(shared, server)
    for server in range(1, 28):
        for _ in range(19):
            add(random_name(rng), server)
    while len(players) < 540:
        add(random_name(rng), rng.randrange(1, 28))

    ids = rng.sample(range(1000000, 9999999), len(players))
    lines = ["-- Players of the stand-in sites; written by tools/make_seed.py.", "BEGIN;"]
    for number, name in enumerate(SERVERS, 1):
        lines.append(f"INSERT INTO servers(number, name) VALUES ({number}, {sql_text(name)});")
    for (name, server), page_id in zip(players, ids):
        tier, points = random_tier(rng)
        power = rng.randrange(150, 25000)
        birthday = f"{rng.randrange(1980, 2005)}-{rng.randrange(1, 13):02d}-{rng.randrange(1, 29):02d}"
        score = rng.randrange(900, 1500) if tier is None else rng.randrange(1100, 2900)
        avatar = rng.choice(AVATARS)
        lines.append(
            "INSERT INTO players(id, name, server, avatar, tier, points, combat_power, birthday, hidden_score) "
            f"VALUES ({page_id}, {sql_text(name)}, {server}, '{avatar}', {sql_text(tier)}, {points}, {power}, "
            f"'{birthday}', {score});")
        rows = [mode_row(rng, 20, 3000, False), mode_row(rng, 0, 900, False), mode_row(rng, 0, 400, True),
                mode_row(rng, 0, 300, True)]
        if tier is not None:
            rows[2]["tier"], rows[2]["points"] = tier, points
            rows[2]["games"] = max(rows[2]["games"], 10)
            rows[2]["wins"] = min(rows[2]["wins"], rows[2]["games"])
            rows[2]["losses"] = rows[2]["games"] - rows[2]["wins"]
        for mode, row in enumerate(rows, 1):
            lines.append(
                "INSERT INTO mode_stats(player, mode, games, wins, losses, tier, points) "
                f"VALUES ({page_id}, {mode}, {row['games']}, {row['wins']}, {row['losses']}, "
                f"{sql_text(row.get('tier'))}, {row.get('points', 'NULL')});")
    lines.append("COMMIT;")
    OUT.parent.mkdir(exist_ok=True)
    OUT.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(len(players), "players")


if __name__ == "__main__":
    main()
