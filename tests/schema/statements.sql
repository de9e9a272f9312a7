-- Statements the windows send, with sample values in place of their
-- placeholders (ids 1, texts '1'); each must run on a database built from
-- the template with the demonstration data loaded. One statement per line.
SELECT SCOPE_IDENTITY()
delete from his_qxcdan where qxzhi='1' and gxin=0 
delete from pub_yhqxian where yhid=1 
delete from pub_yhu where id=1 
delete from tjian_jguo where tjhao='1' 
delete from tjian_jguo where tjhao='1' and jcbzhi=0 
delete from tjian_jguo where tjhao='1' and zhxmid=1 
delete from tjian_jguo_zdjlun where ksid=1 and tjhao='1' 
delete from tjian_sfei_main where id=1 
delete from tjian_sfei_sub where sfid=1 
delete from tjian_tcan_sub where tcid=1
delete from tjian_tcan_sub where tcid=1 
delete from tjian_zhxmu_sub where zhxmid=1
delete from tjian_zhxmu_sub where zhxmid=1 and xmid not in (select id from tjian_xmu where ksid=1)   and xmid not in (select distinct xmid from tjian_jguo where zhxmid=1) 
insert into pub_yhqxian(yhid, qxzhi, qxcdan) values(1, '1', '1')
insert into tjian_dy_djdan(tjhao) values('1') 
insert into tjian_dy_tjbgao(tjhao) values('1') 
insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei,   (case f.xbie when '男' then ckxxian1 else ckxxian2 end) as ckxxian,   (case f.xbie when '男' then cksxian1 else cksxian2 end) as cksxian,   a.zcjguo, a.xxtshi, a.sxtshi from tjian_xmu a   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   inner join tjian_zhxmu_main c on c.id=b.zhxmid   inner join tjian_sfei_sub d on d.zhxmid=c.id   inner join tjian_sfei_main e on e.id=d.sfid   inner join tjian_ryuan f on f.id=e.ryid where e.tjhao='1' and d.zhxmid=1 and e.zxbzhi=0 and d.hsbzhi=1 
insert into tjian_jguo(tjhao, zhxmid, xmid, xhao, jcjguo, dwei, ckxxian, cksxian, zcjguo, xxtshi, sxtshi) select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.zcjguo, a.dwei,   (case f.xbie when '男' then ckxxian1 else ckxxian2 end) as ckxxian,   (case f.xbie when '男' then cksxian1 else cksxian2 end) as cksxian,   a.zcjguo, a.xxtshi, a.sxtshi from tjian_xmu a   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   inner join tjian_zhxmu_main c on c.id=b.zhxmid   inner join tjian_sfei_sub d on d.zhxmid=c.id   inner join tjian_sfei_main e on e.id=d.sfid   inner join tjian_ryuan f on f.id=e.ryid where e.tjhao='1' and e.zxbzhi=0 and d.hsbzhi=1 
insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) select 1, id, 0 from tjian_xmu where ksid=1
insert into tjian_zhxmu_sub(zhxmid, xmid, bzhi) select 1, id, 0 from tjian_xmu where ksid=1 and id not in (select xmid from tjian_zhxmu_sub where zhxmid=1) 
select * from tjian_zhxmu_main order by ksid, xhao
select * from his_qxcdan where qxzhi='1' and len(qxcdan)=2 order by qxcdan 
select * from his_qxcdan where qxzhi='1' and qxcdan like '1' and len(qxcdan)=1 order by qxcdan 
select * from his_qxcdan where qxzhi='1' and qxcdan='1' 
select * from his_qxzhi where zhi='1' 
select * from his_qxzhi where zhi='M1' 
select * from his_xtszhi where bzhu='BeginUseYear' 
select * from his_ztao order by scsjian desc 
select * from pub_kshi where kslbie in (11,12,13)
select * from pub_kshi a   inner join     (      select d.ksid      from tjian_jguo a        inner join tjian_xmu b on b.id=a.xmid        inner join tjian_zhxmu_sub c on c.zhxmid=a.zhxmid and c.bzhi=1        inner join tjian_zhxmu_main d on d.id=c.zhxmid      where a.tjhao='1'      group by d.ksid     ) b on b.ksid=a.id where a.kslbie in (11,12,13) 
select * from pub_kshi a   inner join     (      select d.ksid      from tjian_jguo a        inner join tjian_xmu b on b.id=a.xmid        inner join tjian_zhxmu_sub c on c.zhxmid=a.zhxmid and c.bzhi=1        inner join tjian_zhxmu_main d on d.id=c.zhxmid      where a.tjhao='1'      group by d.ksid     ) b on b.ksid=a.id where a.kslbie in (11,12,13) and a.id=1 
select * from pub_kshi where id=1 
select * from pub_kshi where kslbie in (11,12,13)
select * from pub_kshi where kslbie in (11,12,13) 
select * from pub_kshi where kslbie=13
select * from pub_kslbie where id in (11,12,13)
select * from pub_yhqxian where yhid=1 and qxzhi='1' and qxcdan like '1' and len(qxcdan)>1 
select * from pub_yhqxian where yhid=1 and qxzhi='1' and qxcdan='1' 
select * from pub_yhu order by id
select * from pub_yhu where kshi in (select id from pub_kshi where kslbie in (11,12,13))
select * from pub_yhu where kshi=1 
select * from pub_yhu where qxian like '%M1%' 
select * from tjian_cjjguo where xmid=1 
select * from tjian_cjjguo where xmid=1 order by id
select * from tjian_csszhi where jian='体检中心名称' 
select * from tjian_csszhi where jian='散检最大体检号' 
select * from tjian_csszhi where jian='月结设置' 
select * from tjian_csszhi where jian='软件启用时间' 
select * from tjian_dwei order by id
select * from tjian_dwei where dwlbid=1 
select * from tjian_dwei where dwxzid=1 
select * from tjian_dwei where id=1 
select * from tjian_dwei where ksid=1 
select * from tjian_dwlbie order by id
select * from tjian_dwxzhi order by id
select * from tjian_jguo where tjhao='1' and jcbzhi=1 
select * from tjian_jguo where tjysid=1 
select * from tjian_jguo where xmid=1 
select * from tjian_jguo where zhxmid=1 
select * from tjian_jguo_xjie where ksid=1 
select * from tjian_jguo_xjie where ksid=1 and tjhao='1' 
select * from tjian_jguo_xjie where ksid=1 and tjhao='1' and xjysid<>1 
select * from tjian_jguo_xjie where tjhao='1' and ksid=1 
select * from tjian_jguo_xjie where xjysid=1 
select * from tjian_jguo_zdjlun where ksid=1 
select * from tjian_jguo_zjian where tjhao='1' 
select * from tjian_jguo_zjian where zjysid=1 
select * from tjian_rylbie order by id
select * from tjian_ryuan where dwid=1 
select * from tjian_ryuan where dwid=1 order by id
select * from tjian_ryuan where id=1 
select * from tjian_ryuan where id=0 
select * from tjian_ryuan where rylbid=1 
select * from tjian_sfei_main where ryid=1 
select * from tjian_sfei_main where sfyid=1 
select * from tjian_sfei_main where tjfqid=1 
select * from tjian_sfei_main where tjlbid=1 
select * from tjian_sfei_rjie where rqi='1' and yhid=1 order by jssjian
select * from tjian_sfei_rjie where rqi='1' and yhid=1 order by jssjian 
select * from tjian_sfei_rjie where rqi='1' and yhid=1 order by kssjian desc 
select * from tjian_sfei_rjie where yhid=1 and rqi='1' 
select * from tjian_sfei_rjie where yhid=1 order by rqi desc,jssjian desc 
select * from tjian_sfei_sub where sfid=1 and zhxmid=1 and hsbzhi=1 
select * from tjian_sfei_sub where zhxmid=1 
select * from tjian_sfei_yjie where rqi='1' and yhid=1 
select * from tjian_sfei_yjie where yhid=1 
select * from tjian_sfei_yjie where yhid=1 order by rqi desc 
select * from tjian_tcan_main where bzhi='启用' and dwid=0 order by xhao
select * from tjian_tcan_main where dwid=0 order by xhao
select * from tjian_tcan_main where dwid=0 and bzhi='启用' order by xhao
select * from tjian_tcan_main where dwid>0 order by xhao
select * from tjian_tcan_main where bzhi='启用' and dwid=1 
select * from tjian_tcan_main where bzhi='启用' and dwid=0 order by xhao
select * from tjian_tcan_sub where zhxmid=1 
select * from tjian_tjfqu order by id
select * from tjian_xmu order by ksid,xhao
select * from tjian_xmu where ksid=1 
select * from tjian_xmu where zcjguo='1' 
select * from tjian_zdjlyjyi where jblbie='1' 
select * from tjian_zdjlyjyi where ksid=1 
select * from tjian_zdjlyjyi where ksid=1 order by xhao
select * from tjian_zhxmu_main order by ksid, xhao
select * from tjian_zhxmu_main order by ksid,xhao
select * from tjian_zhxmu_main where fbie='1' 
select * from tjian_zhxmu_main where ksid=1 
select * from tjian_zhxmu_main where lbie='1' 
select * from tjian_zhxmu_sub where xmid=1 and bzhi=1 
select a.* from tjian_ryuan a   inner join     (      select ryid      from tjian_sfei_main      where tjhao='1'      group by ryid     ) b on b.ryid=a.id 
select a.*, b.mcheng as ksmcheng  from tjian_jguo_xjie a   inner join pub_kshi b on b.id=a.ksid where a.tjhao='1' order by b.xhao
select a.*, b.mcheng as zhxmmcheng, c.mcheng as xmmcheng, d.mcheng as ksmcheng from tjian_jguo a   inner join tjian_zhxmu_main b on b.id=a.zhxmid   inner join tjian_xmu c on c.id=a.xmid   inner join pub_kshi d on d.id=b.ksid where tjhao='1' and a.jcbzhi=0 order by d.xhao, b.xhao 
select a.*, b.tjhao from tjian_ryuan a   inner join tjian_sfei_main b on b.ryid=a.id where b.zxbzhi=0 and a.dwid=1 and b.sfsjian between '1' and '1' 
select a.*, b.tjhao from tjian_ryuan a   inner join tjian_sfei_main b on b.ryid=a.id where b.zxbzhi=0 and b.tjhao='1' 
select a.*, b.xming from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid where a.tjhao='1' 
select a.*, b.xming from tjian_sfei_rjie a   inner join pub_yhu b on b.id=a.yhid where yhid=1 order by a.rqi desc, a.kssjian desc 
select a.*, b.xming from tjian_sfei_yjie a   inner join pub_yhu b on b.id=a.yhid where yhid=1 order by a.rqi desc 
select a.id, b.mcheng, b.sfjge from tjian_tcan_sub a   inner join tjian_zhxmu_main b on b.id=a.zhxmid where a.tcid=1
select a.tjhao, b.xming, b.xbie, b.nling, b.jtdhua, b.sji, c.zjlrsjian, c.tjzjie, c.zjjyi from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_jguo_zjian c on c.tjhao=a.tjhao where a.zxbzhi=0 and a.zjbzhi=1 and b.dwid=1 and a.sfsjian between '1' and '1' order by a.tjhao 
select a.tjhao, c.xming, c.xbie, c.nling, b.sfsjian, a.zjysheng, a.zjlrsjian from tjian_jguo_zjian a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_ryuan c on c.id=b.ryid where b.zxbzhi=0 and b.zjbzhi=1 and a.zjysid=1 and a.zjlrsjian between '1' and '1' 
select a.tjztai, a.jgbzhi, zjbzhi, a.ryid, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,  d.mcheng as rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where a.tjhao='1' 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, a.id, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, e.ssje, c.mcheng as dwmcheng, a.sfsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid   inner join (select sfid, sum(ssje) as ssje from tjian_sfei_sub where hsbzhi=1 group by sfid) e on e.sfid=a.id where a.zxbzhi=0 and b.djbzhi=1 and a.jzlxing=2 and a.jzbzhi=0 and b.dwid=1 and a.sfsjian between '1' and '1' 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.xming, b.xbie, b.nling,   c.mcheng as dwmcheng, a.sfsjian, a.tjsjian, d.mcheng as tjlbmcheng from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_tjlbie d on d.id=a.tjlbid where a.zxbzhi=0 and b.djbzhi=1 and a.tjhao='1' 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.xming, b.xbie, b.nling, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian, d.mcheng as tjlbmcheng from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_tjlbie d on d.id=a.tjlbid where a.zxbzhi=0 and b.djbzhi=1 and b.dwid=1 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where a.ryid=1 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where a.zxbzhi=0 and a.zjbzhi=1 and a.ryid=1 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where a.zxbzhi=0 and a.zjbzhi=1 and b.dwid=1 and a.sfsjian between '1' and '1' 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid where a.zxbzhi=0 and b.djbzhi=1 and a.tjhao='1' 
select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,  d.mcheng as rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian, e.tjhao as dytjhao from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d on d.id=b.rylbid   left join (select tjhao from tjian_dy_djdan group by tjhao) e on e.tjhao=a.tjhao where a.zxbzhi=0 and b.djbzhi=1 and b.dwid=1 and a.sfsjian between '1' and '1' 
select a.xmid from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where b.zxbzhi=0 and b.sfsjian between '1' and '1' group by a.xmid 
select a.zhxmid from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where a.jcbzhi=1 and b.zxbzhi=0 and b.sfsjian between '1' and '1' group by a.zhxmid 
select a.zhxmid from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where b.zxbzhi=0 and b.sfsjian between '1' and '1' group by a.zhxmid 
select a.zjysheng, count(*) as rshu from tjian_jguo_zjian a   inner join tjian_sfei_main b on b.tjhao=a.tjhao where b.zxbzhi=0 and b.zjbzhi=1 and a.zjysid=1 and a.zjlrsjian between '1' and '1' group by zjysheng 
select b.id, a.tjhao, b.zpian, b.xming, b.xbie, b.nling, d.zjlrsjian, b.jtdhua, b.sji, c.mcheng from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_jguo_zjian d on d.tjhao=a.tjhao where a.tjhao='1' 
select b.id, b.mcheng, a.jcjguo, a.dwei, a.ckxxian, a.cksxian, a.tshi from tjian_jguo a   inner join tjian_xmu b on b.id=a.xmid where a.tjhao='1' and a.zhxmid=1 order by b.xhao 
select b.id, b.mcheng, b.sfxybben from tjian_jguo a   inner join tjian_zhxmu_main b on b.id=a.zhxmid where a.tjhao='1' and b.ksid=1 group by b.id, b.mcheng, b.sfxybben 
select b.xhao, b.pyjma, b.mcheng, a.bzhi from tjian_zhxmu_sub a   inner join tjian_xmu b on b.id=a.xmid where zhxmid=1 order by b.xhao
select b.xming, b.xbie, b.nling, c.mcheng from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   inner join tjian_dwei c on c.id=b.dwid where a.tjhao='1' 
select c.id, c.mcheng from tjian_jguo a   inner join tjian_zhxmu_main b on b.id=a.zhxmid   inner join pub_kshi c on c.id=b.ksid where a.tjhao='1' group by c.id,c.mcheng
select c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, max(c.sfjge)*count(distinct a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct a.tjhao) as hsje from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_zhxmu_main c on c.id=a.zhxmid where a.jcbzhi=1 and b.zxbzhi=0 and c.ksid=1 and b.sfsjian between '1' and '1' group by c.id,c.mcheng order by c.id 
select c.ksid, c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, max(c.sfjge)*count(distinct a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct a.tjhao) as hsje from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_zhxmu_main c on c.id=a.zhxmid where a.jcbzhi=1 and b.zxbzhi=0 and a.tjysid=1 and b.sfsjian between '1' and '1' group by c.ksid,c.id,c.mcheng order by c.ksid 
select c.ksid, c.id, c.mcheng, count(distinct a.tjhao) as rci,   max(c.sfjge) as sfjge, max(c.sfjge)*count(distinct a.tjhao) as sfje,   max(c.hsjge) as hsjge, max(c.hsjge)*count(distinct a.tjhao) as hsje from tjian_jguo a   inner join tjian_sfei_main b on b.tjhao=a.tjhao   inner join tjian_zhxmu_main c on c.id=a.zhxmid where a.jcbzhi=1 and b.zxbzhi=0 and b.sfsjian between '1' and '1' group by c.ksid,c.id,c.mcheng order by c.ksid 
select c.mcheng as ksmcheng, a.zyzduan, b.jshi, b.jyi from tjian_jguo_zdjlun a   inner join tjian_zdjlyjyi b on b.zyzduan=a.zyzduan   inner join pub_kshi c on c.id=a.ksid where a.tjhao='1' order by c.xhao, a.id
select c.mcheng from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid   inner join tjian_zhxmu_main c on c.id=a.zhxmid where a.hsbzhi=1 and b.tjhao='1' and c.sfxybben='是' and c.lbie='1' 
select c.sfxybben, c.mcheng, c.lcyyi, c.tsxxi, c.sfjge from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid   inner join tjian_zhxmu_main c on c.id=a.zhxmid where b.zxbzhi=0 and a.hsbzhi=1 and b.tjhao='1' 
select convert(varchar(8), getdate(), 108) 
select count(*) from tjian_ryuan where dwid=1
select count(*) from tjian_sfei_main where sfsjian between '1' and '1' 
select count(*) from tjian_sfei_main where zxbzhi=0 and tjztai='未检' and sfsjian between '1' and '1' 
select count(*) from tjian_sfei_main where zxbzhi=1 and zxsjian between '1' and '1' 
select count(*), isnull(sum(ssje),0) from   (    select b.tjhao, sum(a.ssje) as ssje    from tjian_sfei_sub a      inner join tjian_sfei_main b on b.id=a.sfid      inner join tjian_ryuan c on c.id=b.ryid    where c.dwid>0 and b.jzlxing=2 and b.zxbzhi=0 and a.hsbzhi=1 and sfsjian between '1' and '1'    group by b.tjhao   ) as t 
select d.mcheng as 单位名称,   sum((case when a.zxbzhi=0 then 1 else 0 end)) as [全部],   sum((case when a.zxbzhi=0 and a.zjbzhi=0 and a.tjztai='未检' then 1 else 0 end)) as [未检],   sum((case when a.zxbzhi=0 and a.zjbzhi=0 and a.tjztai='检中' then 1 else 0 end)) as [检中],   sum((case when a.zxbzhi=0 and a.zjbzhi=1 and a.tjztai='检完' and c.zjlrsjian between '1' and '1' then 1 else 0 end)) as [检完],   sum((case when a.zxbzhi=1 and a.zxsjian between '1' and '1' then 1 else 0 end)) as [注销] from tjian_sfei_main a   inner join tjian_ryuan b on b.id=a.ryid   left join tjian_jguo_zjian c on c.tjhao=a.tjhao   inner join tjian_dwei d on d.id=b.dwid where b.dwid>0 and a.sfsjian between '1' and '1' group by d.mcheng 
select dateadd(day, datediff(day, 0, c.zjlrsjian), 0) from tjian_sfei_main a   inner join tjian_ryuan b on b.id = a.ryid   inner join tjian_jguo_zjian c on c.tjhao = a.tjhao where a.zxbzhi=0 and b.dwid>0 and zjbzhi=1 and c.zjlrsjian between '1' and '1' group by dateadd(day, datediff(day, 0, c.zjlrsjian), 0) 
select dateadd(day, datediff(day, 0, getdate()), 0) 
select getdate() 
select maxtjhao from tjian_dwei where id=1 
select sum(ssje) from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid where a.hsbzhi=1 and b.zxbzhi=0 and b.sfsjian between '1' and '1' 
select sum(ysje) from tjian_sfei_sub a   inner join tjian_sfei_main b on b.id=a.sfid where a.hsbzhi=1 and b.zxbzhi=0 and b.sfsjian between '1' and '1' 
select tjhao from tjian_dy_djdan group by tjhao
select top 1 * from tjian_sfei_main where ryid=1 and sfsjian between '1' and '1' order by sfsjian desc 
select top 1 * from tjian_sfei_rjie where yhid=1 order by kssjian
select xming from pub_yhu where id=1
select xming, count(xming) as cshu from tjian_ryuan where dwid=1 group by xming having count(xming)>1 
select zhi from his_xtszhi where bzhu='YearEnd' 
select zhi from tjian_csszhi where jian='体检中心名称' 
select zhi from tjian_csszhi where jian='月结设置' 
select zhi from tjian_csszhi where jian='软件启用时间' 
select zjbzhi from tjian_sfei_main where tjhao='1' 
update his_qxcdan set gxin=0 where qxzhi='1' 
update his_xtrzhi set dlsjian=getdate() where id=1 
update his_xtrzhi set tcsjian=getdate() where id=1 
update pub_yhu set mma='1' where id=1 
update tjian_csszhi set zhi='1' where jian='散检最大体检号' 
update tjian_dwei set maxtjhao=1 where id=1 
update tjian_ryuan set djbzhi=1 where id in (select ryid from tjian_sfei_main where tjhao='1') 
update tjian_ryuan set djbzhi=0 where id in (select ryid from tjian_sfei_main where tjhao='1') 
update tjian_ryuan set djbzhi=0 where id=1 
update tjian_ryuan set djbzhi=1 where id=1 
update tjian_sfei_main set zjbzhi=1, tjztai='1' where tjhao='1' 
update tjian_sfei_main set zjbzhi=1, tjztai='检完' where tjhao='1' 
update tjian_sfei_main set zxbzhi=1, zxsjian=getdate() where tjhao='1' 
select b.xhao, b.pyjma, b.mcheng, a.bzhi, a.id from tjian_zhxmu_sub a   inner join tjian_xmu b on b.id=a.xmid where zhxmid=1 order by b.xhao
update tjian_jguo set xhao=t.xhao, jcjguo=t.zcjguo, dwei=t.dwei, ckxxian=t.ckxxian, cksxian=t.cksxian, zcjguo=t.zcjguo, xxtshi=t.xxtshi, sxtshi=t.sxtshi from (select e.tjhao, d.zhxmid, b.xmid, a.xhao, a.dwei, a.zcjguo, a.xxtshi, a.sxtshi,   (case f.xbie when '男' then a.ckxxian1 else a.ckxxian2 end) as ckxxian,   (case f.xbie when '男' then a.cksxian1 else a.cksxian2 end) as cksxian from tjian_xmu a   inner join tjian_zhxmu_sub b on b.xmid=a.id and b.bzhi=1   inner join tjian_zhxmu_main c on c.id=b.zhxmid   inner join tjian_sfei_sub d on d.zhxmid=c.id   inner join tjian_sfei_main e on e.id=d.sfid   inner join tjian_ryuan f on f.id=e.ryid where a.id=1 and e.zxbzhi=0 and d.hsbzhi=1) t where tjian_jguo.jcbzhi=0 and tjian_jguo.xmid=1 and tjian_jguo.tjhao=t.tjhao and tjian_jguo.zhxmid=t.zhxmid and tjian_jguo.xmid=t.xmid 
if exists (select * from tempdb.dbo.sysobjects where id = object_id(N'tempdb.dbo.[#tjian_tcan_sub]')) drop table [dbo].[#tjian_tcan_sub] 
CREATE TABLE [#tjian_tcan_sub] ([id] [int] IDENTITY (1, 1) NOT NULL , [zhxmid] [int] NOT NULL) ON [PRIMARY]
insert into #tjian_tcan_sub(zhxmid) select zhxmid from tjian_tcan_sub where tcid=1
insert into #tjian_tcan_sub(zhxmid) select zhxmid from tjian_tcan_sub where tcid=1 and zhxmid not in (select zhxmid from #tjian_tcan_sub) group by zhxmid order by min(id)
select * from #tjian_tcan_sub where zhxmid=1 
insert into #tjian_tcan_sub(zhxmid) values(1)
select a.id, b.mcheng, b.sfjge from #tjian_tcan_sub a   inner join tjian_zhxmu_main b on b.id=a.zhxmid
delete from #tjian_tcan_sub where id=1 
insert into tjian_tcan_sub(tcid, zhxmid) select 1, zhxmid from #tjian_tcan_sub 
